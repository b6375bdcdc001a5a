// The Win32 code for a failure that the C library reported through errno.
#pragma once

#include "win32_types.h"

// The code the system would report for the same failure.
DWORD Win32ErrorFromErrno(int error);
