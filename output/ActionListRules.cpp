#include "output/ActionListRules.h"

#include "platform/win32.h"

namespace {

bool IsSameEntry(const CodeEntry& candidate, const CodeEntry& row)
{
    if (candidate.Mnemonic != row.Mnemonic)
        return false;
    for (int field = ciCode; field <= ciLineOffset; ++field) {
        if (candidate.SubItems[field] != row.SubItems[field])
            return false;
    }
    return true;
}

} // namespace

bool IsMnemonicListed(const CodeRowSource& list, const std::string& mnemonic)
{
    for (int i = 0; i < list.RowCount(); ++i) {
        if (lstrcmpiA(list.Mnemonic(i).c_str(), mnemonic.c_str()) == 0)
            return true;
    }
    return false;
}

int FindSameEntry(const CodeEntry* row, const CodeRowSource* list)
{
    if (!row || !list)
        return -1;
    for (int i = 0; i < list->RowCount(); ++i) {
        if (IsSameEntry(list->Row(i), *row))
            return i;
    }
    return -1;
}
