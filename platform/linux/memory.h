// Win32 local and global heap services. A failed allocation returns null and
// sets ERROR_NOT_ENOUGH_MEMORY; it never throws and never aborts.
#pragma once

#include "win32_types.h"

HLOCAL LocalAlloc(UINT flags, SIZE_T bytes);
HLOCAL LocalReAlloc(HLOCAL memory, SIZE_T bytes, UINT flags);
HLOCAL LocalFree(HLOCAL memory);
SIZE_T LocalSize(HLOCAL memory);

HGLOBAL GlobalAlloc(UINT flags, SIZE_T bytes);
HGLOBAL GlobalReAlloc(HGLOBAL memory, SIZE_T bytes, UINT flags);
HGLOBAL GlobalFree(HGLOBAL memory);
