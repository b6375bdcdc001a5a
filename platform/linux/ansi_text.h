// The system's 8-bit text services over the Windows-1252 code page.
#pragma once

#include "win32_types.h"

// Linguistic comparison, in Win32's order of the code page: symbols, then
// digits, then letters; letters compare alphabetically first (accents and
// case set aside), then by accent, then lower case before upper case; ß
// weighs as "ss". lstrcmpA gives 0 only for texts of equal weight (identical
// but for ß/ss and ^/0x88); lstrcmpiA also for texts that differ only in case.
// A null text sorts before every other text.
int lstrcmpA(LPCSTR first, LPCSTR second);
int lstrcmpiA(LPCSTR first, LPCSTR second);
int lstrlenA(LPCSTR text);

// Upper-cases length bytes in place, accented letters included; returns the
// number of bytes processed.
DWORD CharUpperBuffA(LPSTR text, DWORD length);
BOOL IsCharAlphaNumericA(CHAR ch);
BOOL IsCharAlphaA(CHAR ch);
