#include "output/OutputPane.h"

namespace {

constexpr std::string_view LineBreak = "\r\n";

bool EndsWithLineBreak(const std::string& text)
{
    return text.size() >= LineBreak.size()
           && std::string_view(text).substr(text.size() - LineBreak.size()) == LineBreak;
}

} // namespace

bool OutputPane::AppendLine(std::string_view line)
{
    const std::string text = Text();
    const std::size_t lengthBefore = text.size();

    std::string addition;
    addition.reserve(line.size() + LineBreak.size());
    if (text.empty() || EndsWithLineBreak(text)) {
        addition.append(line);
        addition.append(LineBreak);
    } else {
        addition.append(LineBreak);
        addition.append(line);
    }

    if (!InsertAtEnd(addition))
        return false;
    // A full control may take the text only in part without any error.
    return Length() == lengthBefore + addition.size();
}

bool OutputPane::ReplaceWithLines(const std::vector<std::string>& lines)
{
    if (lines.empty()) {
        SetText({});
        return true;
    }
    SetText(lines.front());
    for (std::size_t i = 1; i < lines.size(); ++i) {
        if (!AppendLine(lines[i]))
            return false;
    }
    return true;
}
