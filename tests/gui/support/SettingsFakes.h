// Fakes of the settings dialog's file-open dialog and header path windows:
// each records what the dialog asked for and answers as the test says.
#pragma once

#include "widgets/seams/FileOpenDialog.h"
#include "dialogs/TfrmWideTextSeam.h"

#include <QString>
#include <QStringList>

#include <cstddef>
#include <deque>
#include <limits>
#include <vector>

class FakeFileOpenDialog final : public FileOpenDialog {
public:
    // The files "chosen", in order; none is a cancel.
    QStringList chosen;
    std::vector<QString> filters;

    QStringList OpenFiles(QWidget* owner, const QString& filter) override;
};

class FakeWideTextWindows final : public WideTextWindows {
public:
    struct Shown {
        QString caption;
        bool editable;
        QString text;
    };
    std::vector<Shown> shown;
    // What the user types into the editable windows, in order; once they
    // run out, a window hands back the text it showed.
    std::deque<QString> typed;
    // How many windows can still be created.
    std::size_t windowsLeft = std::numeric_limits<std::size_t>::max();

    bool ShowModal(QWidget* owner, bool editable, QString& text, const QString& caption) override;
};
