// Whole transfers for the block and text-file operations: a read or write
// that moves fewer bytes than asked is a failure with a code, even when the
// system names none.
#pragma once

#include "platform/win32.h"

#include <cstdint>

inline DWORD WriteExactly(HANDLE file, const void* bytes, DWORD size)
{
    DWORD written = 0;
    if (!WriteFile(file, bytes, size, &written, nullptr)) {
        const DWORD code = GetLastError();
        return code != ERROR_SUCCESS ? code : ERROR_WRITE_FAULT;
    }
    return written == size ? ERROR_SUCCESS : ERROR_WRITE_FAULT;
}

// A short read means the file ends inside what it promised: it is corrupt.
inline DWORD ReadExactly(HANDLE file, void* bytes, DWORD size)
{
    DWORD got = 0;
    if (!ReadFile(file, bytes, size, &got, nullptr)) {
        const DWORD code = GetLastError();
        return code != ERROR_SUCCESS ? code : ERROR_FILE_CORRUPT;
    }
    return got == size ? ERROR_SUCCESS : ERROR_FILE_CORRUPT;
}

// Bytes between the current position and the end of the file: no count or
// size read from a file may promise more than this. 0 or the error code.
DWORD BytesLeft(HANDLE file, std::uint64_t* left);
