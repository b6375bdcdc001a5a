// Hexadecimal digits as the headers, the search box and the code panel
// write them: either case, ASCII only, whatever the code page.
#pragma once

// 0..15 for a hexadecimal digit, -1 for any other character.
constexpr int HexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}
