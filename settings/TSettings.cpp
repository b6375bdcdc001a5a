#include "settings/TSettings.h"

#include "platform/win32.h"
#include "settings/SettingsFile.h"

#include <cstring>

TSettings* Settings = nullptr;

namespace {

constexpr LPCSTR DEFAULT_HEADER = "winerror.h";

constexpr LPCSTR DEFAULT_PREFIXES[] = {
    "ERROR_", "RPC_",       "E_",       "CO_",     "OLE_",     "DV_",    "DRAGDROP_", "CLASS_",      "MARSHAL_",
    "DATA_",  "VIEW_",      "REGDB_",   "CAT_",    "CS_",      "CACHE_", "OLEOBJ_",   "CLIENTSITE_", "INPLACE_",
    "ENUM_",  "CONVERT10_", "CLIPBRD_", "MK_",     "MEM_",     "DISP_",  "STG_",      "TYPE_",       "NTE_",
    "CRYPT_", "CERTSRV_",   "TRUST_",   "DIGSIG_", "PERSIST_", "CERT_",  "SPAPI_",
};
static_assert(sizeof DEFAULT_PREFIXES / sizeof DEFAULT_PREFIXES[0] == 34);

void ReleaseFlags(BYTE*& flags)
{
    LocalFree(flags);
    flags = nullptr;
}

// One zeroed byte per item; without memory the list is emptied instead, so
// that list and flags stay in step.
void AllocateDefaultFlags(TStringsStorage& list, BYTE*& flags)
{
    if (list.Count() == 0)
        return;
    flags = static_cast<BYTE*>(LocalAlloc(LPTR, static_cast<SIZE_T>(list.Count())));
    if (flags == nullptr)
        list.Clear();
}

bool AddWithFlag(TStringsStorage& list, BYTE*& flags, LPCSTR name, bool allowDuplicate)
{
    const LONG count = list.Count();
    if (allowDuplicate || list.Find(name) < 0)
        list.Add(name);
    if (list.Count() == count)
        return false;

    const SIZE_T grown = static_cast<SIZE_T>(count) + 1;
    BYTE* larger = flags == nullptr ? static_cast<BYTE*>(LocalAlloc(LPTR, grown))
                                    : static_cast<BYTE*>(LocalReAlloc(flags, grown, LMEM_MOVEABLE | LMEM_ZEROINIT));
    if (larger == nullptr) {
        list.Delete(count);
        return false;
    }
    flags = larger;
    flags[count] = 0;
    return true;
}

void RemoveWithFlag(TStringsStorage& list, BYTE*& flags, LONG index)
{
    if (index < 0 || index >= list.Count() || list.Delete(index) != ERROR_SUCCESS)
        return;
    const LONG count = list.Count();
    if (count == 0) {
        ReleaseFlags(flags);
        return;
    }
    std::memmove(flags + index, flags + index + 1, static_cast<std::size_t>(count - index));
    // A failed shrink keeps the larger array, whose first count bytes still hold the flags.
    if (BYTE* smaller = static_cast<BYTE*>(LocalReAlloc(flags, static_cast<SIZE_T>(count), LMEM_MOVEABLE)))
        flags = smaller;
}

} // namespace

TSettings::TSettings(LPCSTR fileName) : GeneralOptions{}, CopyOptions{}
{
    ErrorsOptions.AddPrefix = [this](LPCSTR name, bool allowDuplicate) { return DoAddPrefix(name, allowDuplicate); };
    ErrorsOptions.RemovePrefix = [this](LONG index) { DoRemovePrefix(index); };
    ErrorsOptions.AddHeader = [this](LPCSTR name) { return DoAddHeader(name); };
    ErrorsOptions.RemoveHeader = [this](LONG index) { DoRemoveHeader(index); };

    if (fileName != nullptr && SettingsFile::Load(*this, fileName))
        return;
    const DWORD code = fileName == nullptr ? ERROR_SUCCESS : GetLastError();
    SetDefaults();
    if (code != ERROR_SUCCESS && code != ERROR_FILE_NOT_FOUND && code != ERROR_PATH_NOT_FOUND) {
        unreadableFile = fileName;
        unreadableCode = code;
    }
}

TSettings::~TSettings()
{
    ReleaseFlags(ErrorsOptions.HeaderSelected);
    ReleaseFlags(ErrorsOptions.PrefixSelected);
}

// Only the save over the file that could not be read moves it aside, and
// only the first that succeeds: what it then replaces is its own.
bool TSettings::Save(LPCSTR fileName)
{
    const bool overUnreadable = unreadableCode != 0 && fileName != nullptr && unreadableFile == fileName;
    if (!SettingsFile::Save(*this, fileName, overUnreadable ? UnreadableSuffix : ""))
        return false;
    if (overUnreadable) {
        unreadableFile.clear();
        unreadableCode = 0;
    }
    return true;
}

// Starts from empty lists, so it also serves as a reset: appending the
// defaults to a filled list would double it and leak its flags.
void TSettings::SetDefaults()
{
    ErrorsOptions.Headers.Clear();
    ErrorsOptions.Prefixes.Clear();
    ReleaseFlags(ErrorsOptions.HeaderSelected);
    ReleaseFlags(ErrorsOptions.PrefixSelected);

    GeneralOptions = {};
    GeneralOptions.ShowAtStart = 1;
    GeneralOptions.PopupHints = 1;
    GeneralOptions.BottomHints = 1;
    GeneralOptions.FlatButtons = 1;
    GeneralOptions.EscapeAction = 0;
    GeneralOptions.UseTray = 1;

    CopyOptions = {};
    CopyOptions.CopyMnemonic = 1;

    ErrorsOptions.Headers.Add(DEFAULT_HEADER);
    for (LPCSTR prefix : DEFAULT_PREFIXES)
        ErrorsOptions.Prefixes.Add(prefix);
    AllocateDefaultFlags(ErrorsOptions.Prefixes, ErrorsOptions.PrefixSelected);
    AllocateDefaultFlags(ErrorsOptions.Headers, ErrorsOptions.HeaderSelected);
}

bool TSettings::DoAddHeader(LPCSTR name)
{
    return AddWithFlag(ErrorsOptions.Headers, ErrorsOptions.HeaderSelected, name, false);
}

bool TSettings::DoAddPrefix(LPCSTR name, bool allowDuplicate)
{
    return AddWithFlag(ErrorsOptions.Prefixes, ErrorsOptions.PrefixSelected, name, allowDuplicate);
}

void TSettings::DoRemoveHeader(LONG index)
{
    RemoveWithFlag(ErrorsOptions.Headers, ErrorsOptions.HeaderSelected, index);
}

void TSettings::DoRemovePrefix(LONG index)
{
    RemoveWithFlag(ErrorsOptions.Prefixes, ErrorsOptions.PrefixSelected, index);
}
