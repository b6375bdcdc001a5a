#include "platform/file_access.h"

#include "platform/win32.h"

#include <vector>

// The rights of a Windows file are its access control list.
BOOL CopyFileAccess(LPCSTR fromFile, LPCSTR toFile)
{
    if (fromFile == nullptr || toFile == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    DWORD needed = 0;
    GetFileSecurityA(fromFile, DACL_SECURITY_INFORMATION, nullptr, 0, &needed);
    const DWORD error = GetLastError();
    if (needed == 0)
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? TRUE : FALSE;
    std::vector<BYTE> descriptor(needed);
    if (!GetFileSecurityA(fromFile, DACL_SECURITY_INFORMATION, descriptor.data(), needed, &needed))
        return FALSE;
    return SetFileSecurityA(toFile, DACL_SECURITY_INFORMATION, descriptor.data());
}
