#include "ansi_text.h"

#include <array>
#include <cstring>

namespace {

// Collation weights of one Windows-1252 byte.
struct Weights {
    unsigned short primary;   // symbols < digits < letters; a letter's base letter
    unsigned char accent;     // 0 for a plain letter
    unsigned char upper;      // 1 for an upper-case letter
};

constexpr unsigned short kSymbol = 0x0100;
constexpr unsigned short kDigit = 0x0400;
constexpr unsigned short kLetter = 0x0500;

// Accented letters of the code page: byte, base letter, accent rank.
struct Accented {
    unsigned char byte;
    char base;
    unsigned char accent;
};

constexpr Accented kAccented[] = {
    {0x83, 'f', 1}, {0x8A, 'S', 2}, {0x8C, 'O', 9}, {0x8E, 'Z', 2}, {0x9A, 's', 2}, {0x9C, 'o', 9},
    {0x9E, 'z', 2}, {0x9F, 'Y', 4}, {0xAA, 'a', 10}, {0xBA, 'o', 10},
    {0xC0, 'A', 1}, {0xC1, 'A', 3}, {0xC2, 'A', 5}, {0xC3, 'A', 6}, {0xC4, 'A', 4}, {0xC5, 'A', 7},
    {0xC6, 'A', 9}, {0xC7, 'C', 8}, {0xC8, 'E', 1}, {0xC9, 'E', 3}, {0xCA, 'E', 5}, {0xCB, 'E', 4},
    {0xCC, 'I', 1}, {0xCD, 'I', 3}, {0xCE, 'I', 5}, {0xCF, 'I', 4}, {0xD0, 'D', 11}, {0xD1, 'N', 6},
    {0xD2, 'O', 1}, {0xD3, 'O', 3}, {0xD4, 'O', 5}, {0xD5, 'O', 6}, {0xD6, 'O', 4}, {0xD8, 'O', 12},
    {0xD9, 'U', 1}, {0xDA, 'U', 3}, {0xDB, 'U', 5}, {0xDC, 'U', 4}, {0xDD, 'Y', 3}, {0xDE, 'T', 13},
    {0xDF, 's', 14},
    {0xE0, 'a', 1}, {0xE1, 'a', 3}, {0xE2, 'a', 5}, {0xE3, 'a', 6}, {0xE4, 'a', 4}, {0xE5, 'a', 7},
    {0xE6, 'a', 9}, {0xE7, 'c', 8}, {0xE8, 'e', 1}, {0xE9, 'e', 3}, {0xEA, 'e', 5}, {0xEB, 'e', 4},
    {0xEC, 'i', 1}, {0xED, 'i', 3}, {0xEE, 'i', 5}, {0xEF, 'i', 4}, {0xF0, 'd', 11}, {0xF1, 'n', 6},
    {0xF2, 'o', 1}, {0xF3, 'o', 3}, {0xF4, 'o', 5}, {0xF5, 'o', 6}, {0xF6, 'o', 4}, {0xF8, 'o', 12},
    {0xF9, 'u', 1}, {0xFA, 'u', 3}, {0xFB, 'u', 5}, {0xFC, 'u', 4}, {0xFD, 'y', 3}, {0xFE, 't', 13},
    {0xFF, 'y', 4}, {0xB5, 'm', 15},
};

struct Tables {
    std::array<Weights, 256> weights{};
    std::array<unsigned char, 256> upper{};
    std::array<bool, 256> letter{};
};

Tables BuildTables()
{
    Tables t;
    for (int b = 0; b < 256; ++b) {
        t.weights[b] = Weights{static_cast<unsigned short>(kSymbol + b), 0, 0};
        t.upper[b] = static_cast<unsigned char>(b);
    }
    for (int d = '0'; d <= '9'; ++d)
        t.weights[d].primary = static_cast<unsigned short>(kDigit + (d - '0'));
    for (int c = 0; c < 26; ++c) {
        const auto primary = static_cast<unsigned short>(kLetter + c * 16);
        t.weights['a' + c] = Weights{primary, 0, 0};
        t.weights['A' + c] = Weights{primary, 0, 1};
        t.letter['a' + c] = t.letter['A' + c] = true;
        t.upper['a' + c] = static_cast<unsigned char>('A' + c);
    }
    for (const Accented& a : kAccented) {
        const bool isUpper = a.base >= 'A' && a.base <= 'Z';
        const int base = (isUpper ? a.base - 'A' : a.base - 'a');
        t.weights[a.byte] = Weights{static_cast<unsigned short>(kLetter + base * 16), a.accent,
                                    static_cast<unsigned char>(isUpper ? 1 : 0)};
        t.letter[a.byte] = true;
    }
    // Upper case of the accented lower-case letters; ß, µ, ª and º have none
    // within the code page.
    for (int b = 0xE0; b <= 0xFE; ++b) {
        if (b != 0xF7)
            t.upper[b] = static_cast<unsigned char>(b - 0x20);
    }
    t.upper[0x9A] = 0x8A;
    t.upper[0x9C] = 0x8C;
    t.upper[0x9E] = 0x8E;
    t.upper[0xFF] = 0x9F;
    return t;
}

const Tables& TablesOnce()
{
    static const Tables tables = BuildTables();
    return tables;
}

int Sign(int value)
{
    return (value > 0) - (value < 0);
}

// Compares level by level: base letters, then accents, then case (unless
// ignored), and last the bytes themselves, so that different texts never
// compare equal.
int Compare(const char* first, const char* second, bool ignoreCase)
{
    if (first == nullptr || second == nullptr)
        return first == second ? 0 : (first == nullptr ? -1 : 1);
    const Tables& t = TablesOnce();
    const auto* a = reinterpret_cast<const unsigned char*>(first);
    const auto* b = reinterpret_cast<const unsigned char*>(second);

    for (int level = 0; level < 4; ++level) {
        if (level == 2 && ignoreCase)
            continue;
        std::size_t i = 0;
        for (;; ++i) {
            if (a[i] == 0 || b[i] == 0) {
                if (a[i] != b[i])
                    return a[i] == 0 ? -1 : 1;
                break;
            }
            const Weights& wa = t.weights[a[i]];
            const Weights& wb = t.weights[b[i]];
            int diff = 0;
            switch (level) {
            case 0: diff = wa.primary - wb.primary; break;
            case 1: diff = wa.accent - wb.accent; break;
            case 2: diff = wa.upper - wb.upper; break;
            default:
                diff = ignoreCase ? t.upper[a[i]] - t.upper[b[i]] : a[i] - b[i];
                break;
            }
            if (diff != 0)
                return Sign(diff);
        }
    }
    return 0;
}

} // namespace

int lstrcmpA(LPCSTR first, LPCSTR second)
{
    return Compare(first, second, false);
}

int lstrcmpiA(LPCSTR first, LPCSTR second)
{
    return Compare(first, second, true);
}

int lstrlenA(LPCSTR text)
{
    return text == nullptr ? 0 : static_cast<int>(std::strlen(text));
}

DWORD CharUpperBuffA(LPSTR text, DWORD length)
{
    if (text == nullptr)
        return 0;
    const Tables& t = TablesOnce();
    for (DWORD i = 0; i < length; ++i)
        text[i] = static_cast<char>(t.upper[static_cast<unsigned char>(text[i])]);
    return length;
}

BOOL IsCharAlphaA(CHAR ch)
{
    return TablesOnce().letter[static_cast<unsigned char>(ch)] ? TRUE : FALSE;
}

BOOL IsCharAlphaNumericA(CHAR ch)
{
    return (IsCharAlphaA(ch) || (ch >= '0' && ch <= '9')) ? TRUE : FALSE;
}
