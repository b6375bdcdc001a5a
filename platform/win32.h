// The Win32 services the program's own classes call. On Windows they come from
// the system; elsewhere this folder implements them with the same names,
// results and error codes, so the classes read the same on both.
#pragma once

#ifdef _WIN32
#include <windows.h>
#else
#include "win32_types.h"
#include "win32_errors.h"
#include "files.h"
#include "memory.h"
#include "ansi_text.h"
#include "system_message.h"
#endif
