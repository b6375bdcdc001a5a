#include "text/FileTransfer.h"

DWORD BytesLeft(HANDLE file, std::uint64_t* left)
{
    SetLastError(ERROR_SUCCESS);
    DWORD sizeHigh = 0;
    const DWORD sizeLow = GetFileSize(file, &sizeHigh);
    if (sizeLow == 0xFFFFFFFFu && GetLastError() != ERROR_SUCCESS)
        return GetLastError();
    LONG positionHigh = 0;
    const DWORD positionLow = SetFilePointer(file, 0, &positionHigh, FILE_CURRENT);
    if (positionLow == INVALID_SET_FILE_POINTER && GetLastError() != ERROR_SUCCESS)
        return GetLastError();
    const std::uint64_t size = static_cast<std::uint64_t>(sizeHigh) << 32 | sizeLow;
    const std::uint64_t position = static_cast<std::uint64_t>(static_cast<DWORD>(positionHigh)) << 32 | positionLow;
    *left = size > position ? size - position : 0;
    return ERROR_SUCCESS;
}
