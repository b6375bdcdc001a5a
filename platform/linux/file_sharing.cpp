#include "file_sharing.h"

#include <map>
#include <mutex>
#include <sys/stat.h>

namespace {

struct OpenFile {
    dev_t device;
    ino_t inode;
    DWORD access;
    DWORD shareMode;
};

std::mutex guard;
std::map<int, OpenFile> openFiles;

bool Conflict(const OpenFile& held, DWORD access, DWORD shareMode)
{
    const auto needs = [](DWORD a, DWORD right) { return (a & right) != 0; };
    return (needs(access, GENERIC_READ) && !needs(held.shareMode, FILE_SHARE_READ))
           || (needs(access, GENERIC_WRITE) && !needs(held.shareMode, FILE_SHARE_WRITE))
           || (needs(held.access, GENERIC_READ) && !needs(shareMode, FILE_SHARE_READ))
           || (needs(held.access, GENERIC_WRITE) && !needs(shareMode, FILE_SHARE_WRITE));
}

} // namespace

namespace FileSharing {

bool Admit(int fd, DWORD access, DWORD shareMode)
{
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        return true;
    const std::lock_guard lock(guard);
    for (const auto& [other, held] : openFiles) {
        if (held.device == info.st_dev && held.inode == info.st_ino && Conflict(held, access, shareMode))
            return false;
    }
    openFiles[fd] = OpenFile{info.st_dev, info.st_ino, access, shareMode};
    return true;
}

void Forget(int fd)
{
    const std::lock_guard lock(guard);
    openFiles.erase(fd);
}

bool IsOpen(const char* path)
{
    struct stat info {};
    if (::stat(path, &info) != 0)
        return false;
    const std::lock_guard lock(guard);
    for (const auto& [fd, held] : openFiles) {
        if (held.device == info.st_dev && held.inode == info.st_ino)
            return true;
    }
    return false;
}

} // namespace FileSharing
