#include "app/OutputPaneBinding.h"

#include "widgets/PaneText.h"

#include <QPlainTextEdit>
#include <QTextCursor>

namespace {

constexpr std::string_view LineBreak = "\r\n";

// The part of text that fits into room characters. A CR LF counts as two
// and is never split: half a line break would show as a whole one.
std::string_view FittingPart(std::string_view text, std::size_t room)
{
    if (text.size() <= room)
        return text;
    std::string_view part = text.substr(0, room);
    if (!part.empty() && part.back() == '\r' && text[room] == '\n')
        part.remove_suffix(1);
    return part;
}

} // namespace

OutputPaneBinding::OutputPaneBinding(QPlainTextEdit* edit_) : QObject(edit_), edit(edit_)
{
}

std::string OutputPaneBinding::Text() const
{
    const std::string lines = PaneAnsiText(*edit);
    std::string text;
    text.reserve(lines.size() + lines.size() / 16);
    for (char c : lines) {
        if (c == '\n')
            text.append(LineBreak);
        else
            text.push_back(c);
    }
    return text;
}

void OutputPaneBinding::SetText(std::string_view text)
{
    edit->setPlainText(PaneDisplayText(text));
}

bool OutputPaneBinding::InsertAtEnd(std::string_view text)
{
    const std::size_t length = Length();
    const std::size_t room = length < capacity ? capacity - length : 0;
    const std::string_view part = FittingPart(text, room);
    if (part.empty())
        return true;
    QTextCursor cursor = edit->textCursor();
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(PaneDisplayText(part));
    edit->setTextCursor(cursor);
    return true;
}
