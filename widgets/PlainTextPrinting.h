// Prints a plain text as one job: page after page, each filled with as many
// whole lines as fit in the printer's printable area, long lines wrapped at
// its width. The text is in the default font; there are no margins of the
// program's own.
#pragma once

class QPrinter;
class QString;

// False when the printer would not start the job or a page; what was
// already sent stays sent.
bool PrintPlainText(QPrinter& printer, const QString& text);
