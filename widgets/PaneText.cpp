#include "widgets/PaneText.h"

#include "platform/codepage.h"

#include <QPlainTextEdit>

QString PaneDisplayText(std::string_view ansiText)
{
    QString text = QString::fromStdString(Ansi1252ToUtf8(ansiText));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

std::string PaneAnsiText(const QPlainTextEdit& pane)
{
    return Utf8ToAnsi1252(pane.toPlainText().toStdString());
}
