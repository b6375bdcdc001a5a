#include "platform/replacement_files.h"

#include "platform/win32.h"

#include <random>
#include <string_view>

namespace {

constexpr std::string_view NamePrefix = ".vantrel-save-";
constexpr std::string_view NameSuffix = ".tmp";
constexpr std::string_view NameLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr std::size_t RandomLetters = 6;
// Enough to step past any number of names that are taken by chance.
constexpr int CreateTries = 100;

// The folder part with its separator, empty for a bare name; Windows takes
// either slash.
std::string_view FolderPart(std::string_view fileName)
{
    const std::size_t slash = fileName.find_last_of("/\\");
    return slash == std::string_view::npos ? std::string_view() : fileName.substr(0, slash + 1);
}

std::string RandomLettersOnce()
{
    static std::mt19937_64 generator{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, NameLetters.size() - 1);
    std::string letters;
    for (std::size_t i = 0; i < RandomLetters; ++i)
        letters += NameLetters[pick(generator)];
    return letters;
}

bool IsDecimal(std::string_view text)
{
    if (text.empty() || text.size() > 10 || text[0] == '0')
        return false;
    for (const char ch : text)
        if (ch < '0' || ch > '9')
            return false;
    return true;
}

// The process id in a name of this naming, or 0 for any other name.
DWORD OwnerOf(std::string_view name)
{
    if (name.size() <= NamePrefix.size() + RandomLetters + 1 + NameSuffix.size() || !name.starts_with(NamePrefix)
        || !name.ends_with(NameSuffix))
        return 0;
    name.remove_prefix(NamePrefix.size());
    name.remove_suffix(NameSuffix.size());
    const std::string_view letters = name.substr(name.size() - RandomLetters);
    name.remove_suffix(RandomLetters);
    if (!name.ends_with('-') || letters.find_first_not_of(NameLetters) != std::string_view::npos)
        return 0;
    name.remove_suffix(1);
    if (!IsDecimal(name))
        return 0;
    unsigned long long id = 0;
    for (const char ch : name)
        id = id * 10 + static_cast<unsigned long long>(ch - '0');
    return id <= 0xFFFFFFFFULL ? static_cast<DWORD>(id) : 0;
}

bool HasEnded(DWORD process)
{
    const HANDLE handle = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process);
    if (handle == nullptr)
        return GetLastError() == ERROR_INVALID_PARAMETER;
    DWORD code = 0;
    const bool ended = GetExitCodeProcess(handle, &code) && code != STILL_ACTIVE;
    CloseHandle(handle);
    return ended;
}

} // namespace

// Links on Windows are rare for a settings file and the rename replaces the
// name as given, so the name stays as the caller wrote it.
BOOL ResolveFileLinks(LPCSTR fileName, std::string& resolved)
{
    resolved = fileName;
    return TRUE;
}

BOOL MayReplaceFile(LPCSTR fileName)
{
    const DWORD attributes = GetFileAttributesA(fileName);
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND ? TRUE : FALSE;
    }
    if (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    return TRUE;
}

HANDLE CreateReplacementFile(LPCSTR fileName, std::string& temporaryName)
{
    const std::string stem = std::string(FolderPart(fileName)) + std::string(NamePrefix)
        + std::to_string(GetCurrentProcessId()) + "-";
    for (int attempt = 0; attempt < CreateTries; ++attempt) {
        temporaryName = stem + RandomLettersOnce() + std::string(NameSuffix);
        const HANDLE file = CreateFileA(temporaryName.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS)
            return file;
    }
    return INVALID_HANDLE_VALUE;
}

void RemoveStaleReplacementFiles(LPCSTR fileName)
{
    const std::string folder(FolderPart(fileName));
    const std::string pattern = folder + std::string(NamePrefix) + "*" + std::string(NameSuffix);
    WIN32_FIND_DATAA entry {};
    const HANDLE search = FindFirstFileA(pattern.c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            continue;
        const DWORD owner = OwnerOf(entry.cFileName);
        if (owner != 0 && HasEnded(owner))
            DeleteFileA((folder + entry.cFileName).c_str());
    } while (FindNextFileA(search, &entry));
    FindClose(search);
}

// The rename is made with MOVEFILE_WRITE_THROUGH, which already waits until
// it is on disk.
void FlushFolderOf(LPCSTR)
{
}
