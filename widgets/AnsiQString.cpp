#include "widgets/AnsiQString.h"

#include "platform/codepage.h"

#include <algorithm>

QString FromAnsi(std::string_view text)
{
    // Most texts are plain ASCII, which is the same in both code pages.
    const bool ascii =
        std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (ascii)
        return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    return QString::fromStdString(Ansi1252ToUtf8(text));
}

std::string ToAnsi(const QString& text)
{
    return Utf8ToAnsi1252(text.toStdString());
}
