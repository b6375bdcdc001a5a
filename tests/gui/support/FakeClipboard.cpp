#include "FakeClipboard.h"

std::optional<std::string> FakeClipboard::ReadText()
{
    if (readFails)
        return std::nullopt;
    return text;
}

void FakeClipboard::SetText(std::string_view newText)
{
    text = std::string(newText);
    puts.push_back(*text);
}
