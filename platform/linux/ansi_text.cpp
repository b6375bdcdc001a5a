#include "ansi_text.h"

#include <array>
#include <cstring>

namespace {

// Collation weights of one Windows-1252 byte.
struct Weights {
    unsigned short primary; // symbols and digits < letters; a letter's base letter
    unsigned char accent;   // the variant of the base letter, 0 for the plain one
    unsigned char upper;    // 1 for an upper-case letter
};

constexpr unsigned short kSymbol = 0x0100;
constexpr unsigned short kLetter = 0x0200;
constexpr unsigned char kSharpS = 0xDF;

// The order Win32 gives the single bytes of the code page. Symbols, controls
// and digits come first, each a weight of its own; the modifier circumflex
// (0x88) weighs the same as '^'.
constexpr const char kSymbolOrder[] =
    "\xAD\x01\x02\x03\x04\x05\x06\x07\x08\x0E\x0F\x10\x11\x12\x13\x14\x15\x16\x17\x18\x19\x1A\x1B\x1C\x1D"
    "\x1E\x1F\x7F\x27\x2D\x96\x97\x20\xA0\x09\x0A\x0B\x0C\x0D\x21\x22\x23\x24\x25\x26\x28\x29\x2A\x2C\x2E"
    "\x2F\x3A\x3B\x3F\x40\x5B\x5C\x5D\x5E\x5F\x60\x7B\x7C\x7D\x7E\xA1\xA6\xA8\xAF\xB4\xB8\xBF\x98\x91"
    "\x92\x82\x93\x94\x84\x8B\x9B\xA2\xA3\xA4\xA5\x80\x2B\x3C\x3D\x3E\xB1\xAB\xBB\xD7\xF7\xA7\xA9\xAC\xAE"
    "\xB0\xB5\xB6\xB7\x85\x86\x87\x95\x89\x81\x8D\x8F\x90\x9D\x30\xBC\xBD\xBE\x31\xB9\x32\xB2\x33\xB3\x34"
    "\x35\x36\x37\x38\x39";

// Then the letters: each base letter's variants in Win32's order, a lower-case
// letter and its upper case (the byte after it, when that is upper case)
// sharing one variant.
constexpr const char* kLetterOrder[26] = {
    "aA\xAA\xE1\xC1\xE0\xC0\xE2\xC2\xE4\xC4\xE3\xC3\xE5\xC5\xE6\xC6",
    "bB",
    "cC\xE7\xC7",
    "dD\xF0\xD0",
    "eE\xE9\xC9\xE8\xC8\xEA\xCA\xEB\xCB",
    "fF\x83",
    "gG",
    "hH",
    "iI\xED\xCD\xEC\xCC\xEE\xCE\xEF\xCF",
    "jJ",
    "kK",
    "lL",
    "mM",
    "nN\xF1\xD1",
    "oO\xBA\xF3\xD3\xF2\xD2\xF4\xD4\xF6\xD6\xF5\xD5\xF8\xD8\x9C\x8C",
    "pP",
    "qQ",
    "rR",
    "sS\x9A\x8A",
    "tT\xFE\xDE\x99",
    "uU\xFA\xDA\xF9\xD9\xFB\xDB\xFC\xDC",
    "vV",
    "wW",
    "xX",
    "yY\xFD\xDD\xFF\x9F",
    "zZ\x9E\x8E",
};

// The letters of the code page, for IsCharAlphaA; ™ sorts among the t's
// without being one.
constexpr const char kLetters[] =
    "\x83\x88\x8A\x8C\x8E\x9A\x9C\x9E\x9F\xAA\xB5\xBA\xC0\xC1\xC2\xC3\xC4\xC5\xC6\xC7\xC8\xC9\xCA\xCB\xCC\xCD"
    "\xCE\xCF\xD0\xD1\xD2\xD3\xD4\xD5\xD6\xD8\xD9\xDA\xDB\xDC\xDD\xDE\xDF\xE0\xE1\xE2\xE3\xE4\xE5\xE6\xE7"
    "\xE8\xE9\xEA\xEB\xEC\xED\xEE\xEF\xF0\xF1\xF2\xF3\xF4\xF5\xF6\xF8\xF9\xFA\xFB\xFC\xFD\xFE\xFF";

// Digits for IsCharAlphaNumericA: superscripts count, fractions do not.
constexpr const char kDigits[] = "0123456789\xB2\xB3\xB9";

struct Tables {
    std::array<Weights, 256> weights{};
    std::array<unsigned char, 256> upper{};
    std::array<bool, 256> letter{};
    std::array<bool, 256> digit{};
};

Tables BuildTables()
{
    Tables t;
    for (int b = 0; b < 256; ++b)
        t.upper[b] = static_cast<unsigned char>(b);
    for (int c = 0; c < 26; ++c)
        t.upper['a' + c] = static_cast<unsigned char>('A' + c);
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
    unsigned short symbol = kSymbol;
    for (const char* p = kSymbolOrder; *p != '\0'; ++p)
        t.weights[static_cast<unsigned char>(*p)].primary = symbol++;
    t.weights[0x88] = t.weights['^'];
    for (int c = 0; c < 26; ++c) {
        const auto* order = reinterpret_cast<const unsigned char*>(kLetterOrder[c]);
        unsigned char variant = 0;
        for (std::size_t i = 0; order[i] != 0; ++i, ++variant) {
            const auto primary = static_cast<unsigned short>(kLetter + c);
            t.weights[order[i]] = Weights{primary, variant, 0};
            // A lower-case letter followed by its upper case: the pair
            // differs only in case.
            const unsigned char next = order[i + 1];
            if (next != 0 && next != order[i] && t.upper[order[i]] == next) {
                t.weights[next] = Weights{primary, variant, 1};
                ++i;
            }
        }
        t.letter['a' + c] = t.letter['A' + c] = true;
    }
    t.weights[kSharpS] = t.weights['s'];
    for (const char* p = kLetters; *p != '\0'; ++p)
        t.letter[static_cast<unsigned char>(*p)] = true;
    for (const char* p = kDigits; *p != '\0'; ++p)
        t.digit[static_cast<unsigned char>(*p)] = true;
    return t;
}

const Tables& TablesOnce()
{
    static const Tables tables = BuildTables();
    return tables;
}

// The weights of a text one after the other; ß weighs as "ss", as in Win32.
class WeightWalk {
public:
    explicit WeightWalk(const unsigned char* text) : next_(text) {}

    // Null at the end of the text.
    const Weights* Next(const Tables& t)
    {
        if (*next_ == 0)
            return nullptr;
        if (*next_ == kSharpS && !firstHalfDone_) {
            firstHalfDone_ = true;
            return &t.weights['s'];
        }
        firstHalfDone_ = false;
        return &t.weights[*next_++];
    }

private:
    const unsigned char* next_;
    bool firstHalfDone_ = false;
};

int Sign(int value)
{
    return (value > 0) - (value < 0);
}

// Compares level by level, as Win32 does: base letters and symbols, then the
// letters' variants, then case (unless ignored). Texts that differ only in
// bytes of equal weight compare equal.
int Compare(const char* first, const char* second, bool ignoreCase)
{
    if (first == nullptr || second == nullptr)
        return first == second ? 0 : (first == nullptr ? -1 : 1);
    const Tables& t = TablesOnce();
    const auto* a = reinterpret_cast<const unsigned char*>(first);
    const auto* b = reinterpret_cast<const unsigned char*>(second);

    for (int level = 0; level < 3; ++level) {
        if (level == 2 && ignoreCase)
            continue;
        WeightWalk walkA(a);
        WeightWalk walkB(b);
        for (;;) {
            const Weights* wa = walkA.Next(t);
            const Weights* wb = walkB.Next(t);
            if (wa == nullptr || wb == nullptr) {
                if (wa != wb)
                    return wa == nullptr ? -1 : 1;
                break;
            }
            int diff = 0;
            switch (level) {
            case 0: diff = wa->primary - wb->primary; break;
            case 1: diff = wa->accent - wb->accent; break;
            default: diff = wa->upper - wb->upper; break;
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
    return (IsCharAlphaA(ch) || TablesOnce().digit[static_cast<unsigned char>(ch)]) ? TRUE : FALSE;
}
