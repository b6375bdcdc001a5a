// The modal save-file dialog. What it shows and what the user chose travel
// in one record, so the window's dialog object can offer the last choice of
// the run again.
#pragma once

#include "widgets/seams/Seam.h"

#include <QString>

class QWidget;

struct FileSaveChoice {
    QString Title;
    // Pairs "description|patterns|description|patterns...", patterns
    // divided by ';'.
    QString Filter;
    // 1-based, as the system counts the filter's pairs.
    int FilterIndex = 1;
    // Offered as the dialog opens; the chosen full path afterwards.
    QString FileName;
};

class FileSaveDialog {
public:
    virtual ~FileSaveDialog() = default;
    // Shows the dialog for choice. True when the user confirmed a name:
    // choice then holds it exactly as chosen (no extension is added) and
    // the filter chosen last. An existing file is not asked about.
    virtual bool Execute(QWidget* owner, FileSaveChoice& choice) = 0;
};

template <> FileSaveDialog& Seam<FileSaveDialog>::Default();
