// The file-open dialog for existing files: several may be chosen at once,
// and links are returned as themselves, not followed.
#pragma once

#include "widgets/seams/Seam.h"

#include <QStringList>

class QString;
class QWidget;

class FileOpenDialog {
public:
    virtual ~FileOpenDialog() = default;
    // filter lists pairs "description|patterns|description|patterns...",
    // patterns divided by ';'; the first pair is the one offered first.
    // Returns the full paths of the chosen files in the dialog's order,
    // none when the user cancels.
    virtual QStringList OpenFiles(QWidget* owner, const QString& filter) = 0;
};

template <> FileOpenDialog& Seam<FileOpenDialog>::Default();

// Qt's name filters for a filter of pairs: each description keeps its own
// text, and its patterns follow in parentheses, where Qt reads them.
QStringList QtNameFilters(const QString& filter);
