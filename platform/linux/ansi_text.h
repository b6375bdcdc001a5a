// The system's 8-bit text services over the Windows-1252 code page.
#pragma once

#include "win32_types.h"

// Linguistic comparison: letters compare alphabetically first (accents and
// case set aside), then by accent, then lower case before upper case.
// lstrcmpA gives 0 only for identical texts; lstrcmpiA only for texts that
// are identical but for case. A null text sorts before every other text.
int lstrcmpA(LPCSTR first, LPCSTR second);
int lstrcmpiA(LPCSTR first, LPCSTR second);
int lstrlenA(LPCSTR text);

// Upper-cases length bytes in place, accented letters included; returns the
// number of bytes processed.
DWORD CharUpperBuffA(LPSTR text, DWORD length);
BOOL IsCharAlphaNumericA(CHAR ch);
BOOL IsCharAlphaA(CHAR ch);
