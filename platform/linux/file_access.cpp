#include "platform/file_access.h"

#include "win32_errors.h"

#include "platform/errno_errors.h"

#include <cerrno>
#include <sys/stat.h>

BOOL CopyFileAccess(LPCSTR fromFile, LPCSTR toFile)
{
    if (fromFile == nullptr || toFile == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    struct stat model {};
    if (::stat(fromFile, &model) != 0) {
        if (errno == ENOENT)
            return TRUE;
        SetLastError(Win32ErrorFromErrno(errno));
        return FALSE;
    }
    if (::chmod(toFile, model.st_mode & 0777) != 0) {
        SetLastError(Win32ErrorFromErrno(errno));
        return FALSE;
    }
    return TRUE;
}
