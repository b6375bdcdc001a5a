#include "DefineLine.h"

#include "ByteSearch.h"
#include "PrefixSet.h"

#include "platform/win32.h"
#include "text/HexDigit.h"

#include <array>
#include <cstring>

namespace {

// The bytes that continue a word: the code page's letters and digits, and
// the underscore. A digit right after one is part of the word, not a number.
const std::array<bool, 256>& WordBytes()
{
    static const std::array<bool, 256> word = [] {
        std::array<bool, 256> table{};
        for (int b = 0; b < 256; ++b) {
            const char c = static_cast<char>(b);
            table[static_cast<std::size_t>(b)] = c == '_' || IsCharAlphaNumericA(c);
        }
        return table;
    }();
    return word;
}

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
    const auto& word = WordBytes();
    for (const char* p = FindDigitMinusOrNul(from, to); p < to && *p != '\0'; p = FindDigitMinusOrNul(p + 1, to)) {
        // A minus sign without a digit after it is an operator; it would
        // read as 0, a value the header never gave.
        const bool starts = IsDigit(*p) || (p + 1 < to && IsDigit(p[1]));
        if (starts && (p == from || !word[static_cast<unsigned char>(p[-1])])) {
            value = ReadNumber(p, to);
            return true;
        }
    }
    return false;
}

bool ParseDefineName(const char* text, std::size_t length, const PrefixSet& prefixes, std::string_view& name)
{
    const char* end = text + length;
    const char* p = SkipSpaces(text, end);
    if (end - p < 7 || *p != '#')
        return false;
    // The line is a C text, which a NUL byte ends. No NUL matches a space,
    // "define" or a prefix, so only the name and the value look out for one.
    p = SkipSpaces(p + 1, end);
    if (end - p < 6 || std::memcmp(p, "define", 6) != 0)
        return false;
    p = SkipSpaces(p + 6, end);
    if (p == end || !prefixes.MatchesStartOf(p, static_cast<std::size_t>(end - p)))
        return false;

    // A line end does not end the name, so a name with nothing after it
    // takes the LF along and finds no value.
    name = std::string_view(p, static_cast<std::size_t>(FindSpaceTabOrNul(p, end) - p));
    return true;
}

bool ParseDefineLine(const char* text, std::size_t length, const PrefixSet& prefixes, DefinedCode& code)
{
    std::string_view name;
    if (!ParseDefineName(text, length, prefixes, name))
        return false;
    const char* nameEnd = name.data() + name.size();
    if (!FindNumber(nameEnd, text + length, code.Value))
        return false;
    code.Name = name;
    return true;
}
