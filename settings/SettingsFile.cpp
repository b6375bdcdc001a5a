#include "settings/SettingsFile.h"

#include "platform/win32.h"
#include "settings/ReplacingFile.h"
#include "settings/TSettings.h"
#include "text/FileTransfer.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace SettingsFile {
namespace {

using FixedHeader = std::array<BYTE, 76>;

constexpr FixedHeader MakeFixedHeader()
{
    constexpr char banner[] = "!!! This is binary file - don't edit it !!!";
    constexpr char marker[] = "VANTREL";
    constexpr std::size_t bannerAt = 4;
    constexpr std::size_t markerAt = 68;
    FixedHeader header{};
    for (std::size_t i = 0; i < 4; ++i)
        header[i] = static_cast<BYTE>(FILE_SIGNATURE >> (8 * i));
    for (std::size_t i = 0; i + 1 < sizeof banner; ++i)
        header[bannerAt + i] = static_cast<BYTE>(banner[i]);
    for (std::size_t i = 0; i + 1 < sizeof marker; ++i)
        header[markerAt + i] = static_cast<BYTE>(marker[i]);
    return header;
}

constexpr FixedHeader FIXED_HEADER = MakeFixedHeader();

// --- Save ---

bool WriteList(ReplacingFile& out, TStringsStorage& list, const BYTE* flags)
{
    const DWORD code = list.WriteBlock(out.Handle());
    if (code != ERROR_SUCCESS) {
        SetLastError(code);
        return false;
    }
    return list.Count() == 0 || out.Write(flags, static_cast<DWORD>(list.Count()));
}

// --- Load ---

// The file is untrusted: one that ends early is corrupt, whatever the read said.
bool ReadWhole(HANDLE file, LPVOID buffer, DWORD count)
{
    const DWORD code = ReadExactly(file, buffer, count);
    if (code != ERROR_SUCCESS)
        SetLastError(code);
    return code == ERROR_SUCCESS;
}

// One list as read from the file, not yet handed to the settings.
struct LoadedList {
    TStringsStorage list;
    BYTE* flags = nullptr;

    LoadedList() = default;
    LoadedList(const LoadedList&) = delete;
    LoadedList& operator=(const LoadedList&) = delete;
    ~LoadedList() { LocalFree(flags); }
};

// The flag count comes from the file, so it is checked against what the
// file still holds before anything is allocated for it.
bool ReadFlags(HANDLE file, LoadedList& loaded)
{
    const LONG count = loaded.list.Count();
    if (count == 0)
        return true;
    std::uint64_t left = 0;
    const DWORD code = BytesLeft(file, &left);
    if (code != ERROR_SUCCESS) {
        SetLastError(code);
        return false;
    }
    if (static_cast<std::uint64_t>(count) > left) {
        SetLastError(ERROR_FILE_CORRUPT);
        return false;
    }
    loaded.flags = static_cast<BYTE*>(LocalAlloc(LMEM_FIXED, static_cast<SIZE_T>(count)));
    return loaded.flags != nullptr && ReadWhole(file, loaded.flags, static_cast<DWORD>(count));
}

bool ReadList(HANDLE file, LoadedList& loaded)
{
    const DWORD code = loaded.list.ReadBlock(file);
    if (code != ERROR_SUCCESS) {
        SetLastError(code);
        return false;
    }
    return ReadFlags(file, loaded);
}

struct LoadedSettings {
    TSettings::tagGeneralOptions general{};
    LoadedList headers;
    LoadedList prefixes;
    TSettings::tagCopyOptions copy{};
};

bool ReadSettings(HANDLE file, LoadedSettings& loaded)
{
    FixedHeader header{};
    if (!ReadWhole(file, header.data(), static_cast<DWORD>(header.size())))
        return false;
    if (header != FIXED_HEADER) {
        SetLastError(ERROR_FILE_CORRUPT);
        return false;
    }
    return ReadWhole(file, &loaded.general, sizeof loaded.general) && ReadList(file, loaded.headers)
           && ReadList(file, loaded.prefixes) && ReadWhole(file, &loaded.copy, sizeof loaded.copy);
}

// List and flags stay in step even when the copy runs out of memory: a
// failed copy leaves the list empty, and an empty list has no flags.
bool TakeList(TStringsStorage& list, BYTE*& flags, LoadedList& loaded)
{
    const DWORD code = list.Assign(loaded.list);
    LocalFree(flags);
    flags = nullptr;
    if (code != ERROR_SUCCESS) {
        SetLastError(code);
        return false;
    }
    flags = loaded.flags;
    loaded.flags = nullptr;
    return true;
}

} // namespace

bool Load(TSettings& settings, LPCSTR fileName)
{
    const HANDLE file =
        CreateFileA(fileName, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    LoadedSettings loaded;
    const bool read = ReadSettings(file, loaded);
    const DWORD code = GetLastError();
    CloseHandle(file);
    if (!read) {
        SetLastError(code);
        return false;
    }

    // Nothing reaches the settings until the whole file has been read.
    TSettings::tagErrorsOptions& errors = settings.ErrorsOptions;
    if (!TakeList(errors.Headers, errors.HeaderSelected, loaded.headers)
        || !TakeList(errors.Prefixes, errors.PrefixSelected, loaded.prefixes))
        return false;
    settings.GeneralOptions = loaded.general;
    settings.CopyOptions = loaded.copy;
    return true;
}

bool Save(TSettings& settings, LPCSTR fileName, const std::string& keepSuffix)
{
    // The padding carries no meaning, so the file gets zeros rather than
    // whatever memory held.
    TSettings::tagGeneralOptions general = settings.GeneralOptions;
    std::memset(general.Padding, 0, sizeof general.Padding);
    TSettings::tagErrorsOptions& errors = settings.ErrorsOptions;

    ReplacingFile out(fileName);
    out.KeepReplacedFile(keepSuffix);
    return out.Open() && out.Write(FIXED_HEADER.data(), static_cast<DWORD>(FIXED_HEADER.size()))
           && out.Write(&general, sizeof general) && WriteList(out, errors.Headers, errors.HeaderSelected)
           && WriteList(out, errors.Prefixes, errors.PrefixSelected)
           && out.Write(&settings.CopyOptions, sizeof settings.CopyOptions) && out.Commit();
}

} // namespace SettingsFile
