// Tells a text header from a binary file by its first line.
#pragma once

#include <cstddef>

// Only the first 1023 characters of the line are looked at, up to its
// first NUL. A control
// character other than TAB, LF and CR, or a byte from 0x80 up that the code
// page does not class as a letter or digit, makes the file binary.
bool LooksLikeText(const char* firstLine, std::size_t length);
