#include "DefineLine.h"

#include "PrefixSet.h"

#include "platform/win32.h"

#include <array>
#include <cstring>

namespace {

enum CharacterClass : unsigned char {
    kDigit = 1,
    kWord = 2,    // a letter of the code page, a digit or an underscore
    kNameEnd = 4, // a space, a TAB or the NUL that ends a C text
};

const std::array<unsigned char, 256>& Classes()
{
    static const std::array<unsigned char, 256> classes = [] {
        std::array<unsigned char, 256> table{};
        for (int b = 0; b < 256; ++b) {
            const char c = static_cast<char>(b);
            if (c == '_' || IsCharAlphaNumericA(c))
                table[static_cast<std::size_t>(b)] |= kWord;
        }
        for (int d = '0'; d <= '9'; ++d)
            table[static_cast<std::size_t>(d)] |= kDigit;
        table[' '] |= kNameEnd;
        table['\t'] |= kNameEnd;
        table[0] |= kNameEnd;
        return table;
    }();
    return classes;
}

unsigned char ClassOf(const std::array<unsigned char, 256>& classes, char c)
{
    return classes[static_cast<unsigned char>(c)];
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
    const auto& classes = Classes();
    for (const char* p = from; p < to && *p != '\0'; ++p) {
        // A minus sign without a digit after it is an operator; it would
        // read as 0, a value the header never gave.
        const bool starts = (ClassOf(classes, *p) & kDigit) != 0 ||
                            (*p == '-' && p + 1 < to && (ClassOf(classes, p[1]) & kDigit) != 0);
        if (starts && (p == from || (ClassOf(classes, p[-1]) & kWord) == 0)) {
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
    const auto& classes = Classes();
    const char* nameEnd = p;
    while (nameEnd < end && (ClassOf(classes, *nameEnd) & kNameEnd) == 0)
        ++nameEnd;
    if (!FindNumber(nameEnd, end, code.Value))
        return false;
    code.Name = std::string_view(p, static_cast<std::size_t>(nameEnd - p));
    return true;
}
