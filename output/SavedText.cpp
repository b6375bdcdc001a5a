#include "output/SavedText.h"

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
