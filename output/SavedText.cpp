#include "output/SavedText.h"

#include "platform/codepage.h"

std::string SavedTextBytes(std::string_view text)
{
    std::string bytes;
    bytes.reserve(text.size() + text.size() / 16 + 2);
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", at);
        if (end == std::string_view::npos) {
            bytes.append(text.substr(at));
            bytes.append("\r\n");
            break;
        }
        bytes.append(text.substr(at, end - at));
        bytes.append("\r\n");
        at = end + 1;
        if (text[end] == '\r' && at < text.size() && text[at] == '\n')
            ++at;
    }
    return bytes;
}

std::size_t UnmappableCharacterCount(std::u16string_view text)
{
    const auto isLow = [](char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; };
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        // Both halves of a pair stand for one character the code page lacks.
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < text.size() && isLow(text[i + 1]))
            ++i;
        if (UnicodeToAnsi1252(unit) < 0)
            ++count;
    }
    return count;
}
