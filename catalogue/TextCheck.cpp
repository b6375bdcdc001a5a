#include "TextCheck.h"

#include "platform/win32.h"

#include <algorithm>

namespace {

constexpr std::size_t kCheckedCharacters = 1023;

} // namespace

bool LooksLikeText(const char* firstLine, std::size_t length)
{
    const char* end = firstLine + std::min(length, kCheckedCharacters);
    // A NUL byte is a control character like the others: binary files often
    // start with one, and a check that stopped there would let them through.
    return std::none_of(firstLine, end, [](char c) {
        return static_cast<signed char>(c) < 32 && c != '\n' && c != '\t' && c != '\r' && !IsCharAlphaNumericA(c);
    });
}
