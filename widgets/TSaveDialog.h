// The main window's save dialog: one object for the whole run, so the name,
// folder and filter chosen last are offered again at the next save.
#pragma once

#include "widgets/seams/FileSaveDialog.h"

#include <QObject>

class QWidget;

class TSaveDialog : public QObject {
    Q_OBJECT
public:
    // Owned by owner, over which the dialog shows.
    explicit TSaveDialog(QWidget* owner);

    // Set Choice.Title before each use; the rest carries over.
    FileSaveChoice Choice;

    // True when the user confirmed a name, which is then Choice.FileName.
    bool Execute();

private:
    QWidget* owner;
};
