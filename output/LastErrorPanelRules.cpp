#include "output/LastErrorPanelRules.h"

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
