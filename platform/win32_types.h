// Win32's basic types and the constants of the file, memory and message
// services: the system's own on Windows, the program's elsewhere.
#pragma once

#ifdef _WIN32
#include <windows.h>
#else
#include "platform/linux/win32_types.h"
#endif
