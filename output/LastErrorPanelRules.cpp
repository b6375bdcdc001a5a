#include "output/LastErrorPanelRules.h"

#include "text/HexDigit.h"

#include <cstdint>

namespace {

bool IsCSpace(char ch)
{
    return ch == ' ' || (ch >= '\t' && ch <= '\r');
}

} // namespace

LONG CodeNumber(std::string_view text)
{
    std::size_t at = 0;
    while (at < text.size() && IsCSpace(text[at]))
        ++at;
    if (text.size() - at > 2 && text[at] == '0' && (text[at + 1] == 'x' || text[at + 1] == 'X')
        && HexDigitValue(text[at + 2]) >= 0) {
        std::uint32_t value = 0;
        for (at += 2; at < text.size() && HexDigitValue(text[at]) >= 0; ++at)
            value = value * 16u + static_cast<std::uint32_t>(HexDigitValue(text[at]));
        return static_cast<LONG>(value);
    }
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }
    // Unsigned arithmetic wraps where signed overflow would be undefined.
    std::uint32_t value = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at)
        value = value * 10u + static_cast<std::uint32_t>(text[at] - '0');
    if (negative)
        value = 0u - value;
    return static_cast<LONG>(value);
}

bool DocksAtBottom(int y, int height)
{
    return y > height / 2;
}
