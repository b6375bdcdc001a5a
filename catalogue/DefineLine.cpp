#include "DefineLine.h"

#include "PrefixSet.h"

#include "platform/win32.h"

#include <cstring>

namespace {

const char* SkipSpaces(const char* p, const char* end)
{
    while (p < end && *p == ' ')
        ++p;
    return p;
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsWordCharacter(char c)
{
    return c == '_' || IsCharAlphaNumericA(c);
}

int HexDigitValue(char c)
{
    if (IsDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Reads the number at p. Digits past 32 bits wrap, keeping the low 32 bits:
// that is the value a C compiler gives the constant once it is stored in a
// 32-bit code, so 3221225477 reads as 0xC0000005. A 0x without hexadecimal
// digits after it reads as the 0 before the x.
DWORD ReadNumber(const char* p, const char* end)
{
    const bool negative = *p == '-';
    if (negative)
        ++p;
    DWORD value = 0;
    if (p + 1 < end && p[0] == '0' && (p[1] == 'x' || p[1] == 'X')) {
        for (p += 2; p < end && HexDigitValue(*p) >= 0; ++p)
            value = value * 16u + static_cast<DWORD>(HexDigitValue(*p));
    } else {
        for (; p < end && IsDigit(*p); ++p)
            value = value * 10u + static_cast<DWORD>(*p - '0');
    }
    return negative ? 0u - value : value;
}

} // namespace

bool FindNumber(const char* from, const char* to, DWORD& value)
{
    for (const char* p = from; p < to; ++p) {
        // A minus sign without a digit after it is an operator; it would
        // read as 0, a value the header never gave.
        const bool starts = IsDigit(*p) || (*p == '-' && p + 1 < to && IsDigit(p[1]));
        if (starts && (p == from || !IsWordCharacter(p[-1]))) {
            value = ReadNumber(p, to);
            return true;
        }
    }
    return false;
}

bool ParseDefineLine(const char* text, std::size_t length, const PrefixSet& prefixes, DefinedCode& code)
{
    const char* end = text + length;
    const char* p = SkipSpaces(text, end);
    if (p == end || *p != '#')
        return false;
    // The line is a C text: a NUL byte ends it.
    if (const void* nul = std::memchr(p, '\0', static_cast<std::size_t>(end - p)))
        end = static_cast<const char*>(nul);
    if (end - p < 7)
        return false;
    p = SkipSpaces(p + 1, end);
    if (end - p < 6 || std::memcmp(p, "define", 6) != 0)
        return false;
    p = SkipSpaces(p + 6, end);
    if (p == end || !prefixes.MatchesStartOf(p, static_cast<std::size_t>(end - p)))
        return false;

    // A line end does not end the name, so a name with nothing after it
    // takes the LF along and finds no value.
    const char* nameEnd = p;
    while (nameEnd < end && *nameEnd != ' ' && *nameEnd != '\t')
        ++nameEnd;
    if (!FindNumber(nameEnd, end, code.Value))
        return false;
    code.Name = std::string_view(p, static_cast<std::size_t>(nameEnd - p));
    return true;
}
