#include "platform/replacement_files.h"

#include "files.h"
#include "platform/errno_errors.h"
#include "platform/replacement_names.h"
#include "win32_errors.h"

#include <cerrno>
#include <csignal>
#include <cstdint>
#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// As many links as the system itself follows before it calls it a loop.
constexpr int MostLinks = 40;

// The folder part with its slash, empty for a bare name.
std::string_view FolderPart(std::string_view fileName)
{
    const std::size_t slash = fileName.find_last_of('/');
    return slash == std::string_view::npos ? std::string_view() : fileName.substr(0, slash + 1);
}

bool HasEnded(pid_t process)
{
    return ::kill(process, 0) != 0 && errno == ESRCH;
}

} // namespace

BOOL ResolveFileLinks(LPCSTR fileName, std::string& resolved)
{
    std::string current = fileName;
    for (int hop = 0; hop <= MostLinks; ++hop) {
        struct stat info {};
        if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            resolved = current;
            return TRUE;
        }
        std::string linked(PATH_MAX, '\0');
        const ssize_t length = ::readlink(current.c_str(), linked.data(), linked.size());
        if (length < 0 || static_cast<std::size_t>(length) >= linked.size()) {
            SetLastError(length < 0 ? Win32ErrorFromErrno(errno) : ERROR_FILENAME_EXCED_RANGE);
            return FALSE;
        }
        linked.resize(static_cast<std::size_t>(length));
        current = linked.starts_with('/') ? linked : std::string(FolderPart(current)) + linked;
    }
    SetLastError(ERROR_CANT_RESOLVE_FILENAME);
    return FALSE;
}

BOOL MayReplaceFile(LPCSTR fileName)
{
    struct stat info {};
    if (::stat(fileName, &info) != 0) {
        if (errno == ENOENT)
            return TRUE;
        SetLastError(Win32ErrorFromErrno(errno));
        return FALSE;
    }
    // A file with no write bit for anyone is write-protected, as the system's
    // read-only attribute is: kept for every user, root included, who would
    // otherwise pass the access check.
    const bool writeProtected = (info.st_mode & 0222) == 0;
    if (!S_ISREG(info.st_mode) || writeProtected || ::faccessat(AT_FDCWD, fileName, W_OK, AT_EACCESS) != 0) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    return TRUE;
}

HANDLE CreateReplacementFile(LPCSTR fileName, std::string& temporaryName)
{
    return CreateReplacementFileIn(FolderPart(fileName), static_cast<std::uint32_t>(::getpid()), temporaryName);
}

void RemoveStaleReplacementFiles(LPCSTR fileName)
{
    const std::string folder(FolderPart(fileName));
    DIR* entries = ::opendir(folder.empty() ? "." : folder.c_str());
    if (entries == nullptr)
        return;
    while (const dirent* entry = ::readdir(entries)) {
        const std::uint32_t owner = ReplacementFileOwner(entry->d_name);
        if (owner == 0 || owner > INT_MAX || !HasEnded(static_cast<pid_t>(owner)))
            continue;
        struct stat info {};
        if (::fstatat(::dirfd(entries), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(info.st_mode))
            ::unlinkat(::dirfd(entries), entry->d_name, 0);
    }
    ::closedir(entries);
}

void FlushFolderOf(LPCSTR fileName)
{
    const std::string folder(FolderPart(fileName));
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}
