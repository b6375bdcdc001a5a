// The signed 32-bit value of a listed code, as the system knows it.
#pragma once

#include "catalogue/CodeEntry.h"
#include "platform/win32_types.h"

// A row shows the absolute value in Code and the sign in Severity ("1" for
// bit 31 set), so the value is Code negated in 32 bits when Severity is "1".
LONG RowCodeValue(const CodeEntry& row);
