// Win32's share modes within the process: while a file is open without
// sharing reads or writes, a second open that needs them fails with
// ERROR_SHARING_VIOLATION, and so does renaming or deleting the open file,
// as on Windows. POSIX has no mandatory sharing, so another process's opens
// are not seen.
#pragma once

#include "win32_types.h"

namespace FileSharing {

// Records an open descriptor; false, with nothing recorded, when an open
// handle of the same file does not share what this one needs or needs what
// this one does not share.
bool Admit(int fd, DWORD access, DWORD shareMode);
void Forget(int fd);

// Whether a handle of the file at path is open.
bool IsOpen(const char* path);

} // namespace FileSharing
