#include "TextCheck.h"

#include "platform/win32.h"

#include <algorithm>

namespace {

constexpr std::size_t kCheckedCharacters = 1023;

} // namespace

bool LooksLikeText(const char* firstLine, std::size_t length)
{
    const char* checkedEnd = firstLine + std::min(length, kCheckedCharacters);
    // The line is a zero-terminated text: the check ends at its first NUL.
    const char* end = std::find(firstLine, checkedEnd, '\0');
    return std::none_of(firstLine, end, [](char c) {
        return static_cast<signed char>(c) < 32 && c != '\n' && c != '\t' && c != '\r' && !IsCharAlphaNumericA(c);
    });
}
