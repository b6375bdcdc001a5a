// The Win32 services the program's own classes call. On Windows they come from
// the system (platform/win32 adds what Win32 lacks); on Linux platform/linux
// implements them with the same names, results and error codes, so the
// classes read the same on both.
#pragma once

#ifdef _WIN32
#include <windows.h>
#else
#include "platform/linux/win32_types.h"
#include "platform/linux/win32_errors.h"
#include "platform/linux/files.h"
#include "platform/linux/memory.h"
#include "platform/linux/ansi_text.h"
#include "platform/linux/system_message.h"
#endif

#include "platform/errno_errors.h"
