// The program's 8-bit, CR LF separated texts in the window's text panes.
// A plain-text edit control starts a new line at CR as well as at LF, so
// CR LF must become one line break on the way in.
#pragma once

#include <QString>

#include <string>
#include <string_view>

class QPlainTextEdit;

QString PaneDisplayText(std::string_view ansiText);

// The pane's text in the program's code page, lines separated by LF.
std::string PaneAnsiText(const QPlainTextEdit& pane);
