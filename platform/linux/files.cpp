#include "files.h"

#include "file_sharing.h"
#include "win32_errors.h"

#include "platform/errno_errors.h"
#include "platform/file_faults.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A handle is the descriptor plus one, so descriptor 0 is not a null handle.
HANDLE HandleOf(int fd)
{
    return reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(fd) + 1);
}

int DescriptorOf(HANDLE handle)
{
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE)
        return -1;
    const std::intptr_t value = reinterpret_cast<std::intptr_t>(handle) - 1;
    return value >= 0 && value <= INT32_MAX ? static_cast<int>(value) : -1;
}

BOOL FailWith(DWORD code)
{
    SetLastError(code);
    return FALSE;
}

BOOL FailFromErrno()
{
    return FailWith(Win32ErrorFromErrno(errno));
}

bool FolderExists(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// Win32 tells a missing file (ERROR_FILE_NOT_FOUND) from a missing folder on
// the way to it (ERROR_PATH_NOT_FOUND), where POSIX says ENOENT for both.
BOOL FailForPath(const char* path)
{
    const int error = errno;
    if (error == ENOENT) {
        std::string parent(path);
        const std::size_t slash = parent.find_last_of('/');
        if (slash != std::string::npos && !FolderExists(parent.substr(0, slash == 0 ? 1 : slash)))
            return FailWith(ERROR_PATH_NOT_FOUND);
    }
    return FailWith(Win32ErrorFromErrno(error));
}

// A handle opened without the access a read or write needs refuses it, as
// Win32 does, rather than failing as a bad descriptor.
bool Allows(int fd, int accessMode)
{
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0)
        return true; // not open: the call itself reports it
    const int mode = flags & O_ACCMODE;
    return mode == O_RDWR || mode == accessMode;
}

bool Injected(FileOp op)
{
    DWORD code = 0;
    if (!FileFaults::ShouldFail(op, &code))
        return false;
    SetLastError(code);
    return true;
}

int OpenFlags(DWORD access)
{
    const bool reads = (access & GENERIC_READ) != 0;
    const bool writes = (access & GENERIC_WRITE) != 0;
    if (reads && writes)
        return O_RDWR;
    return writes ? O_WRONLY : O_RDONLY;
}

// Opens without blocking on a FIFO, then refuses everything but a regular file.
int OpenRegular(const char* name, int flags)
{
    int fd = ::open(name, flags | O_CLOEXEC | O_NONBLOCK, 0666);
    if (fd < 0) {
        if (errno == ENXIO) // a FIFO without a reader
            errno = EACCES;
        return -1;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        errno = EACCES;
        return -1;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

} // namespace

HANDLE CreateFileA(LPCSTR fileName, DWORD desiredAccess, DWORD shareMode, LPVOID /*securityAttributes*/,
                   DWORD creationDisposition, DWORD /*flagsAndAttributes*/, HANDLE /*templateFile*/)
{
    if (fileName == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_HANDLE_VALUE;
    }
    if (*fileName == '\0') {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    if (Injected(FileOp::Create))
        return INVALID_HANDLE_VALUE;

    const int access = OpenFlags(desiredAccess);
    int fd = -1;
    bool existed = false;
    // Emptied only once the sharing allows the open.
    bool truncate = false;
    switch (creationDisposition) {
    case CREATE_NEW: fd = OpenRegular(fileName, access | O_CREAT | O_EXCL); break;
    case CREATE_ALWAYS:
    case OPEN_ALWAYS:
        fd = OpenRegular(fileName, access | O_CREAT | O_EXCL);
        if (fd < 0 && errno == EEXIST) {
            existed = true;
            fd = OpenRegular(fileName, access);
            truncate = creationDisposition == CREATE_ALWAYS;
        }
        break;
    case OPEN_EXISTING: fd = OpenRegular(fileName, access); break;
    case TRUNCATE_EXISTING:
        fd = OpenRegular(fileName, access);
        truncate = true;
        break;
    default: SetLastError(ERROR_INVALID_PARAMETER); return INVALID_HANDLE_VALUE;
    }
    if (fd < 0) {
        FailForPath(fileName);
        return INVALID_HANDLE_VALUE;
    }
    if (!FileSharing::Admit(fd, desiredAccess, shareMode)) {
        ::close(fd);
        SetLastError(ERROR_SHARING_VIOLATION);
        return INVALID_HANDLE_VALUE;
    }
    if (truncate && ::ftruncate(fd, 0) != 0) {
        FailFromErrno();
        FileSharing::Forget(fd);
        ::close(fd);
        return INVALID_HANDLE_VALUE;
    }
    SetLastError(existed ? ERROR_ALREADY_EXISTS : ERROR_SUCCESS);
    return HandleOf(fd);
}

BOOL ReadFile(HANDLE file, LPVOID buffer, DWORD bytesToRead, LPDWORD bytesRead, LPVOID /*overlapped*/)
{
    if (bytesRead != nullptr)
        *bytesRead = 0;
    const int fd = DescriptorOf(file);
    if (fd < 0)
        return FailWith(ERROR_INVALID_HANDLE);
    if (buffer == nullptr && bytesToRead > 0)
        return FailWith(ERROR_INVALID_PARAMETER);
    if (!Allows(fd, O_RDONLY))
        return FailWith(ERROR_ACCESS_DENIED);
    if (Injected(FileOp::Read))
        return FALSE;

    // A file read returns the full count unless the end of the file comes first.
    auto* bytes = static_cast<char*>(buffer);
    DWORD done = 0;
    while (done < bytesToRead) {
        const ssize_t got = ::read(fd, bytes + done, bytesToRead - done);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            if (bytesRead != nullptr)
                *bytesRead = done;
            return FailFromErrno();
        }
        if (got == 0)
            break;
        done += static_cast<DWORD>(got);
    }
    if (bytesRead != nullptr)
        *bytesRead = done;
    return TRUE;
}

BOOL WriteFile(HANDLE file, LPCVOID buffer, DWORD bytesToWrite, LPDWORD bytesWritten, LPVOID /*overlapped*/)
{
    if (bytesWritten != nullptr)
        *bytesWritten = 0;
    const int fd = DescriptorOf(file);
    if (fd < 0)
        return FailWith(ERROR_INVALID_HANDLE);
    if (buffer == nullptr && bytesToWrite > 0)
        return FailWith(ERROR_INVALID_PARAMETER);
    if (!Allows(fd, O_WRONLY))
        return FailWith(ERROR_ACCESS_DENIED);
    DWORD faultCode = ERROR_SUCCESS;
    bool partly = false;
    const bool faulty = FileFaults::ShouldFail(FileOp::Write, &faultCode, &partly);
    if (faulty && !partly)
        return FailWith(faultCode);
    const DWORD wanted = faulty ? bytesToWrite / 2 : bytesToWrite;

    const auto* bytes = static_cast<const char*>(buffer);
    DWORD done = 0;
    while (done < wanted) {
        const ssize_t put = ::write(fd, bytes + done, wanted - done);
        if (put < 0) {
            if (errno == EINTR)
                continue;
            if (bytesWritten != nullptr)
                *bytesWritten = done;
            return FailFromErrno();
        }
        done += static_cast<DWORD>(put);
    }
    if (bytesWritten != nullptr)
        *bytesWritten = done;
    return faulty ? FailWith(faultCode) : TRUE;
}

DWORD SetFilePointer(HANDLE file, LONG distance, PLONG distanceHigh, DWORD moveMethod)
{
    const int fd = DescriptorOf(file);
    if (fd < 0) {
        SetLastError(ERROR_INVALID_HANDLE);
        return INVALID_SET_FILE_POINTER;
    }
    int whence = SEEK_SET;
    switch (moveMethod) {
    case FILE_BEGIN: whence = SEEK_SET; break;
    case FILE_CURRENT: whence = SEEK_CUR; break;
    case FILE_END: whence = SEEK_END; break;
    default: SetLastError(ERROR_INVALID_PARAMETER); return INVALID_SET_FILE_POINTER;
    }
    // Without a high part the distance is a signed 32-bit value.
    std::int64_t offset = distance;
    if (distanceHigh != nullptr)
        offset = static_cast<std::int64_t>((static_cast<std::uint64_t>(static_cast<std::uint32_t>(*distanceHigh)) << 32)
                                           | static_cast<std::uint32_t>(distance));

    const off_t here = ::lseek(fd, 0, SEEK_CUR);
    const off_t end = whence == SEEK_END ? ::lseek(fd, 0, SEEK_END) : 0;
    if (here < 0 || end < 0) {
        FailFromErrno();
        return INVALID_SET_FILE_POINTER;
    }
    const std::int64_t base = whence == SEEK_SET ? 0 : (whence == SEEK_CUR ? here : end);
    const std::int64_t target = base + offset;
    if (target < 0) {
        ::lseek(fd, here, SEEK_SET);
        SetLastError(ERROR_NEGATIVE_SEEK);
        return INVALID_SET_FILE_POINTER;
    }
    if (distanceHigh == nullptr && target > 0xFFFFFFFEll) {
        ::lseek(fd, here, SEEK_SET);
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_SET_FILE_POINTER;
    }
    if (::lseek(fd, static_cast<off_t>(target), SEEK_SET) < 0) {
        FailFromErrno();
        return INVALID_SET_FILE_POINTER;
    }
    if (distanceHigh != nullptr)
        *distanceHigh = static_cast<LONG>(static_cast<std::uint64_t>(target) >> 32);
    SetLastError(ERROR_SUCCESS);
    return static_cast<DWORD>(static_cast<std::uint64_t>(target) & 0xFFFFFFFFu);
}

BOOL SetEndOfFile(HANDLE file)
{
    const int fd = DescriptorOf(file);
    if (fd < 0)
        return FailWith(ERROR_INVALID_HANDLE);
    const off_t here = ::lseek(fd, 0, SEEK_CUR);
    if (here < 0 || ::ftruncate(fd, here) != 0)
        return FailFromErrno();
    return TRUE;
}

BOOL FlushFileBuffers(HANDLE file)
{
    const int fd = DescriptorOf(file);
    if (fd < 0)
        return FailWith(ERROR_INVALID_HANDLE);
    if (Injected(FileOp::Flush))
        return FALSE;
    if (::fsync(fd) != 0)
        return FailFromErrno();
    return TRUE;
}

BOOL CloseHandle(HANDLE object)
{
    const int fd = DescriptorOf(object);
    if (fd < 0)
        return FailWith(ERROR_INVALID_HANDLE);
    FileSharing::Forget(fd);
    // The descriptor is gone after close() even when it reports EINTR.
    if (::close(fd) != 0 && errno != EINTR)
        return FailFromErrno();
    return TRUE;
}

BOOL DeleteFileA(LPCSTR fileName)
{
    if (fileName == nullptr)
        return FailWith(ERROR_INVALID_PARAMETER);
    if (FileSharing::IsOpen(fileName))
        return FailWith(ERROR_SHARING_VIOLATION);
    if (::unlink(fileName) != 0)
        return FailForPath(fileName);
    return TRUE;
}

BOOL MoveFileExA(LPCSTR existingFileName, LPCSTR newFileName, DWORD flags)
{
    if (existingFileName == nullptr || newFileName == nullptr)
        return FailWith(ERROR_INVALID_PARAMETER);
    if (Injected(FileOp::Rename))
        return FALSE;
    if (FileSharing::IsOpen(existingFileName))
        return FailWith(ERROR_SHARING_VIOLATION);
    if ((flags & MOVEFILE_REPLACE_EXISTING) != 0 && FileSharing::IsOpen(newFileName))
        return FailWith(ERROR_ACCESS_DENIED);
    if ((flags & MOVEFILE_REPLACE_EXISTING) == 0) {
        struct stat info {};
        if (::lstat(newFileName, &info) == 0)
            return FailWith(ERROR_ALREADY_EXISTS);
    }
    if (::rename(existingFileName, newFileName) != 0) {
        struct stat info {};
        if (errno == ENOENT && ::lstat(existingFileName, &info) == 0)
            return FailWith(ERROR_PATH_NOT_FOUND); // the new name's folder is missing
        return FailForPath(existingFileName);
    }
    return TRUE;
}

DWORD GetFileAttributesA(LPCSTR fileName)
{
    struct stat info {};
    if (fileName == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_FILE_ATTRIBUTES;
    }
    if (::stat(fileName, &info) != 0) {
        FailForPath(fileName);
        return INVALID_FILE_ATTRIBUTES;
    }
    return S_ISDIR(info.st_mode) ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_NORMAL;
}

DWORD GetFileSize(HANDLE file, LPDWORD fileSizeHigh)
{
    const int fd = DescriptorOf(file);
    struct stat info {};
    if (fd < 0 || ::fstat(fd, &info) != 0) {
        SetLastError(fd < 0 ? ERROR_INVALID_HANDLE : Win32ErrorFromErrno(errno));
        return INVALID_FILE_SIZE;
    }
    const auto size = static_cast<std::uint64_t>(info.st_size);
    if (fileSizeHigh != nullptr)
        *fileSizeHigh = static_cast<DWORD>(size >> 32);
    SetLastError(ERROR_SUCCESS);
    return static_cast<DWORD>(size & 0xFFFFFFFFu);
}

DWORD GetModuleFileNameA(void* /*module*/, LPSTR fileName, DWORD size)
{
    if (fileName == nullptr || size == 0) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    const ssize_t got = ::readlink("/proc/self/exe", fileName, size);
    if (got < 0) {
        fileName[0] = '\0';
        SetLastError(Win32ErrorFromErrno(errno));
        return 0;
    }
    if (static_cast<DWORD>(got) >= size) {
        fileName[size - 1] = '\0';
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return size;
    }
    fileName[got] = '\0';
    SetLastError(ERROR_SUCCESS);
    return static_cast<DWORD>(got);
}
