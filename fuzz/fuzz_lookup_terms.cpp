// The command-line lookup's readers over arbitrary bytes. The first byte
// picks one:
//   0: a term, as a code or a name, with and without --hex. A name is the
//      term unchanged; a code's term holds only sign, digit and x bytes. A
//      second, hexadecimal reading is only of eight decimal digits without
//      --hex, is those digits read as hexadecimal, and differs from the
//      first.
//   1: one header line as an alias define. Both names lie in the line, are
//      made of word bytes, and differ.
//   2: a whole header, loaded with every name selected and indexed with its
//      aliases resolved. Each derived definition has the value of the first
//      definition of the name it gives, or that value's HRESULT form.
#include "EveryName.h"
#include "FuzzCheck.h"

#include "catalogue/CodeValue.h"
#include "catalogue/LoadCodes.h"
#include "catalogue/PrefixSet.h"
#include "lookup/AliasDefine.h"
#include "lookup/CodeIndex.h"
#include "lookup/CodeParts.h"
#include "lookup/LookupTerm.h"
#include "platform/win32.h"
#include "text/TStringsStorage.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace {

bool IsWordByte(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

bool LiesIn(std::string_view part, std::string_view whole)
{
    return part.data() >= whole.data() && part.data() + part.size() <= whole.data() + whole.size();
}

void CheckTerm(std::string_view term)
{
    for (const bool allHex : {false, true}) {
        const LookupTerm read = ReadLookupTerm(term, allHex);
        if (read.Type == LookupTerm::Kind::Name) {
            FUZZ_CHECK(read.Name == term);
            continue;
        }
        FUZZ_CHECK(!term.empty());
        FUZZ_CHECK(term.find_first_not_of("0123456789abcdefABCDEFxX+-") == std::string_view::npos);
        if (!read.HexValue)
            continue;
        FUZZ_CHECK(!allHex && term.size() == 8 && term.find_first_not_of("0123456789") == std::string_view::npos);
        FUZZ_CHECK(read.HexValue == ReadDigits(term, 16) && read.HexValue != read.Value);
    }
}

void CheckAliasLine(std::string_view line, const PrefixSet& prefixes)
{
    AliasDefine alias;
    if (!ParseAliasLine(line.data(), line.size(), prefixes, alias))
        return;
    FUZZ_CHECK(LiesIn(alias.Name, line) && LiesIn(alias.Target, line));
    FUZZ_CHECK(!alias.Target.empty() && alias.Name != alias.Target);
    for (const char c : alias.Target)
        FUZZ_CHECK(IsWordByte(c));
}

void CheckIndex(const std::uint8_t* data, std::size_t size, const EveryName& names)
{
    static const ScratchFolder scratch;
    TStringsStorage headers;
    FUZZ_CHECK(headers.Add(scratch.Write("test.h", data, size).c_str()) == ERROR_SUCCESS);
    const BYTE selected[] = {1};
    const LoadedCodes loaded = LoadCodes({headers, selected, names.List, names.Selected.data()});
    const CodeIndex index(loaded.Rows, PrefixSet(names.List, names.Selected.data()));

    std::unordered_map<std::string, DWORD> first;
    for (const Definition& d : index.All()) {
        if (!d.Derived())
            first.emplace(d.Name, d.Value);
    }
    std::size_t rows = 0;
    for (const Definition& d : index.All()) {
        if (!d.Derived()) {
            ++rows;
            continue;
        }
        // The target is a row or another alias; a row's value is checked here.
        const auto target = first.find(d.AliasOf);
        if (target != first.end())
            FUZZ_CHECK(d.Value == (d.FromWin32 ? HResultFromWin32(target->second) : target->second));
    }
    FUZZ_CHECK(rows == loaded.Rows.Count());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const EveryName names;
    if (size == 0)
        return 0;
    const std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
    switch (data[0] % 3) {
    case 0: CheckTerm(rest); break;
    case 1: CheckAliasLine(rest, PrefixSet(names.List, names.Selected.data())); break;
    default: CheckIndex(data + 1, size - 1, names); break;
    }
    return 0;
}
