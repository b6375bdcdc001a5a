// The byte classes of C source text as the headers' defines are read: a name
// is ASCII letters, digits and underscores, not starting with a digit.
#pragma once

constexpr bool IsCNameStart(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

constexpr bool IsCNameByte(char c)
{
    return IsCNameStart(c) || (c >= '0' && c <= '9');
}

constexpr bool IsCBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}
