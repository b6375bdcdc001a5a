#include "codepage.h"

#include <array>
#include <utility>

namespace {

// 0x80..0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

void AppendUtf8(std::string& out, char32_t codePoint)
{
    if (codePoint >= 0xD800 && codePoint <= 0xDFFF)
        codePoint = 0xFFFD;
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (codePoint >> 18));
        out += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

char32_t Ansi1252ToUnicode(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return kHighControls[byte - 0x80];
    return byte;
}

int UnicodeToAnsi1252(char32_t codePoint)
{
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
        return static_cast<int>(codePoint);
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == codePoint)
            return static_cast<int>(0x80 + i);
    }
    return -1;
}

std::string Ansi1252ToUtf8(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char ch : text)
        AppendUtf8(out, Ansi1252ToUnicode(static_cast<unsigned char>(ch)));
    return out;
}

namespace {

// Sets lossless to false when a '?' stands for something the code page
// lacks or for malformed UTF-8.
std::string ConvertUtf8ToAnsi1252(std::string_view text, bool& lossless)
{
    lossless = true;
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        int extra = 0;
        char32_t cp = 0;
        if (lead < 0x80) {
            cp = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            extra = 1;
            cp = lead & 0x1F;
        } else if ((lead & 0xF0) == 0xE0) {
            extra = 2;
            cp = lead & 0x0F;
        } else if ((lead & 0xF8) == 0xF0) {
            extra = 3;
            cp = lead & 0x07;
        } else {
            out += '?';
            lossless = false;
            ++i;
            continue;
        }
        bool valid = true;
        for (int k = 1; valid && k <= extra; ++k) {
            if (i + static_cast<std::size_t>(k) >= text.size()) {
                valid = false;
                break;
            }
            const auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
            if ((next & 0xC0) != 0x80)
                valid = false;
            else
                cp = (cp << 6) | (next & 0x3F);
        }
        if (!valid) {
            out += '?';
            lossless = false;
            ++i;
            continue;
        }
        i += static_cast<std::size_t>(extra) + 1;
        const int byte = UnicodeToAnsi1252(cp);
        lossless = lossless && byte >= 0;
        out += byte < 0 ? '?' : static_cast<char>(byte);
    }
    return out;
}

} // namespace

std::string Utf8ToAnsi1252(std::string_view text)
{
    bool lossless = true;
    return ConvertUtf8ToAnsi1252(text, lossless);
}

std::optional<std::string> Utf8ToAnsi1252Exactly(std::string_view text)
{
    bool lossless = true;
    std::string converted = ConvertUtf8ToAnsi1252(text, lossless);
    return lossless ? std::optional(std::move(converted)) : std::nullopt;
}

bool FitsAnsi1252(std::u16string_view text)
{
    // A surrogate is never a Windows-1252 character.
    for (const char16_t unit : text) {
        if (UnicodeToAnsi1252(unit) < 0)
            return false;
    }
    return true;
}
