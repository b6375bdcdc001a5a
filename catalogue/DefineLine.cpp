#include "DefineLine.h"

#include "ByteSearch.h"
#include "CSourceBytes.h"
#include "PrefixSet.h"

#include "platform/win32.h"
#include "text/HexDigit.h"

#include <array>

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

// Passes over spaces, and TABs too where tabs holds.
const char* SkipBlanks(const char* p, const char* end, bool tabs)
{
    while (p < end && (*p == ' ' || (tabs && *p == '\t')))
        ++p;
    return p;
}

// The word "define" at p, with room checked by the caller; compared byte by
// byte, which is cheaper than a call for six bytes on every '#' line.
bool IsDefineWord(const char* p)
{
    return p[0] == 'd' && p[1] == 'e' && p[2] == 'f' && p[3] == 'i' && p[4] == 'n' && p[5] == 'e';
}

// Where NAME begins on a line  #define NAME ... , with the blanks around
// '#' and "define" SkipBlanks passes over; null for any other line.
const char* NameAfterDefine(const char* text, const char* end, bool tabs)
{
    const char* p = SkipBlanks(text, end, tabs);
    if (p == end || *p != '#')
        return nullptr;
    // The line is a C text, which a NUL byte ends. No NUL matches a space,
    // "define" or a prefix, so only the name and the value look out for one.
    p = SkipBlanks(p + 1, end, tabs);
    if (end - p < 6 || !IsDefineWord(p))
        return nullptr;
    return SkipBlanks(p + 6, end, tabs);
}

std::string_view MacroNameAt(const char* p, const char* end)
{
    if (p == end || !IsCNameStart(*p))
        return {};
    return std::string_view(p, static_cast<std::size_t>(FindNonNameByte(p + 1, end) - p));
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

const char* DefineNameStart(const char* text, std::size_t length)
{
    return NameAfterDefine(text, text + length, false);
}

bool ParseDefineName(const char* nameStart, const char* end, const PrefixSet& prefixes, std::string_view& name)
{
    if (nameStart == nullptr || nameStart == end
        || !prefixes.MatchesStartOf(nameStart, static_cast<std::size_t>(end - nameStart)))
        return false;
    // A line end does not end the name, so a name with nothing after it
    // takes the LF along and finds no value.
    name = std::string_view(nameStart, static_cast<std::size_t>(FindSpaceTabOrNul(nameStart, end) - nameStart));
    return true;
}

bool ParseDefineName(const char* text, std::size_t length, const PrefixSet& prefixes, std::string_view& name)
{
    return ParseDefineName(DefineNameStart(text, length), text + length, prefixes, name);
}

bool ParseDefineLine(const char* nameStart, const char* end, const PrefixSet& prefixes, DefinedCode& code)
{
    std::string_view name;
    if (!ParseDefineName(nameStart, end, prefixes, name))
        return false;
    if (!FindNumber(name.data() + name.size(), end, code.Value))
        return false;
    code.Name = name;
    return true;
}

bool ParseDefineLine(const char* text, std::size_t length, const PrefixSet& prefixes, DefinedCode& code)
{
    return ParseDefineLine(DefineNameStart(text, length), text + length, prefixes, code);
}

std::string_view DefinedMacroName(const char* text, std::size_t length, const char* nameStart)
{
    const char* end = text + length;
    // Where the scan's reading found a name, the preprocessor's finds the
    // same one; where it found none, a TAB may be what stopped it.
    if (nameStart != nullptr) {
        if (const std::string_view name = MacroNameAt(nameStart, end); !name.empty())
            return name;
    }
    const char* start = NameAfterDefine(text, end, true);
    return start != nullptr ? MacroNameAt(start, end) : std::string_view();
}
