// FormatMessageA for the system's message table.
#pragma once

#include "win32_types.h"

// Supports FORMAT_MESSAGE_FROM_SYSTEM, with or without
// FORMAT_MESSAGE_ALLOCATE_BUFFER (then buffer is really an LPSTR* that
// receives a LocalAlloc'ed text). Returns the number of characters written,
// or 0 with the last error set.
DWORD FormatMessageA(DWORD flags, LPCVOID source, DWORD messageId, DWORD languageId, LPSTR buffer, DWORD size,
                     void* arguments);
