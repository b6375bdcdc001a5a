#include "widgets/PaneText.h"

#include "widgets/AnsiQString.h"

#include <QPlainTextEdit>

QString PaneDisplayText(std::string_view ansiText)
{
    QString text = FromAnsi(ansiText);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

std::string PaneAnsiText(const QPlainTextEdit& pane)
{
    return ToAnsi(pane.toPlainText());
}
