#include "platform/user_folders.h"

#include "platform/win32.h"

#include <cstdlib>

namespace {

bool IsAbsolute(const char* path)
{
    if (path == nullptr)
        return false;
    const bool drive = ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z')) && path[1] == ':'
                       && (path[2] == '\\' || path[2] == '/');
    const bool share = (path[0] == '\\' || path[0] == '/') && (path[1] == '\\' || path[1] == '/');
    return drive || share;
}

bool IsSeparator(char ch)
{
    return ch == '\\' || ch == '/';
}

// "C:\a\b\" and "C:\a\b" name the same folder; a drive's root keeps its
// separator.
std::string WithoutTrailingSeparators(std::string folder)
{
    while (folder.size() > 3 && IsSeparator(folder.back()))
        folder.pop_back();
    return folder;
}

// The drive (C: and its separator) or the server and share of a network path that
// start folder, which are never made; at least one character, so a folder
// on the current drive's root does not try to make "".
std::size_t RootLength(const std::string& folder)
{
    if (!IsAbsolute(folder.c_str()))
        return 1;
    if (!IsSeparator(folder[0]))
        return 3;
    const std::size_t server = folder.find_first_of("/\\", 2);
    const std::size_t share = server == std::string::npos ? server : folder.find_first_of("/\\", server + 1);
    return share == std::string::npos ? folder.size() : share + 1;
}

bool MakeFolder(const std::string& folder)
{
    if (CreateDirectoryA(folder.c_str(), nullptr))
        return true;
    if (GetLastError() != ERROR_ALREADY_EXISTS)
        return false;
    const DWORD attributes = GetFileAttributesA(folder.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return true;
    SetLastError(ERROR_DIRECTORY);
    return false;
}

} // namespace

const char* ProcessEnvironment(const char* name)
{
    return std::getenv(name);
}

// The roaming application data folder is where Windows programs keep their
// settings; the environment names it for every user.
std::string UserConfigFolder(const EnvironmentLookup& environment)
{
    const char* appData = environment("APPDATA");
    if (IsAbsolute(appData))
        return WithoutTrailingSeparators(appData);
    return {};
}

// Access control lists decide what a user may create, and only trying tells
// for sure.
bool FolderIsWritable(const std::string& folder)
{
    const DWORD attributes = GetFileAttributesA(folder.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY))
        return false;
    const std::string probe = folder + "\\.vantrel-write-" + std::to_string(GetCurrentProcessId()) + ".tmp";
    const HANDLE file = CreateFileA(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(file);
    return true;
}

bool CreateFolderPath(const std::string& folder)
{
    if (folder.empty()) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return false;
    }
    for (std::size_t end = folder.find_first_of("/\\", RootLength(folder)); end != std::string::npos;
         end = folder.find_first_of("/\\", end + 1)) {
        if (!MakeFolder(folder.substr(0, end)))
            return false;
    }
    return MakeFolder(folder);
}
