#include "platform/user_folders.h"

#include "platform/errno_errors.h"
#include "win32_errors.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr mode_t PrivateFolderMode = 0700;

bool IsAbsolute(const char* path)
{
    return path != nullptr && path[0] == '/';
}

// "/a/b/" and "/a/b" name the same folder; only "/" keeps its slash.
std::string WithoutTrailingSlashes(std::string folder)
{
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    return folder;
}

std::string HomeFolder(const EnvironmentLookup& environment)
{
    const char* home = environment("HOME");
    if (IsAbsolute(home))
        return home;
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::geteuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || found == nullptr
        || !IsAbsolute(found->pw_dir))
        return {};
    return found->pw_dir;
}

bool MakeFolder(const std::string& folder)
{
    if (::mkdir(folder.c_str(), PrivateFolderMode) == 0)
        return true;
    if (errno != EEXIST)
        return false;
    struct stat info {};
    if (::stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode))
        return true;
    errno = ENOTDIR;
    return false;
}

} // namespace

const char* ProcessEnvironment(const char* name)
{
    return std::getenv(name);
}

std::string UserConfigFolder(const EnvironmentLookup& environment)
{
    const char* configured = environment("XDG_CONFIG_HOME");
    if (IsAbsolute(configured))
        return WithoutTrailingSlashes(configured);
    const std::string home = WithoutTrailingSlashes(HomeFolder(environment));
    if (home.empty())
        return {};
    return home == "/" ? "/.config" : home + "/.config";
}

bool FolderIsWritable(const std::string& folder)
{
    // The effective user's rights, as the save will use them; search rights
    // too, or no file inside could be made.
    return ::faccessat(AT_FDCWD, folder.c_str(), W_OK | X_OK, AT_EACCESS) == 0;
}

bool CreateFolderPath(const std::string& folder)
{
    if (folder.empty()) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return false;
    }
    for (std::size_t end = folder.find('/', 1); end != std::string::npos; end = folder.find('/', end + 1)) {
        if (!MakeFolder(folder.substr(0, end))) {
            SetLastError(Win32ErrorFromErrno(errno));
            return false;
        }
    }
    if (!MakeFolder(folder)) {
        SetLastError(Win32ErrorFromErrno(errno));
        return false;
    }
    return true;
}
