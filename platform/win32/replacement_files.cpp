#include "platform/replacement_files.h"

#include "platform/replacement_names.h"
#include "platform/win32.h"

#include <string_view>

namespace {

// The folder part with its separator, empty for a bare name; Windows takes
// either slash.
std::string_view FolderPart(std::string_view fileName)
{
    const std::size_t slash = fileName.find_last_of("/\\");
    return slash == std::string_view::npos ? std::string_view() : fileName.substr(0, slash + 1);
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
    return CreateReplacementFileIn(FolderPart(fileName), GetCurrentProcessId(), temporaryName);
}

void RemoveStaleReplacementFiles(LPCSTR fileName)
{
    const std::string folder(FolderPart(fileName));
    // Appended piece by piece: GCC 12's optimiser sees a false overlap in
    // a chain of operator+ and its -Wrestrict would fail a release build.
    std::string pattern = folder;
    pattern.append(ReplacementNamePrefix).append("*").append(ReplacementNameSuffix);
    WIN32_FIND_DATAA entry{};
    const HANDLE search = FindFirstFileA(pattern.c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            continue;
        const DWORD owner = ReplacementFileOwner(entry.cFileName);
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
