// The plain rules of the last-error panel: reading a typed or listed code,
// and where a dropped manual-entry panel docks.
#pragma once

#include "platform/win32_types.h"

#include <string_view>

// Reads text as the C library's atoi does: leading white space, one optional
// sign, then decimal digits up to the first other character; no digits give
// 0. A text that starts with 0x and a hexadecimal digit (after the white
// space) is read in hexadecimal instead, up to the first other character, as
// codes are copied from logs. The value wraps in 32 bits.
LONG CodeNumber(std::string_view text);

// A drop at y in a pane height high docks the panel at the bottom when it is
// below the middle; at the middle itself and above, at the top.
bool DocksAtBottom(int y, int height);
