// A main window with a fake clipboard, for the commands of output and
// actions: codes are set straight into the code list and rows are chosen
// with the mouse, as the user does.
#pragma once

#include "FakeClipboard.h"
#include "MainWindowFixture.h"
#include "settings/TSettings.h"

#include <string>
#include <vector>

class QMimeData;
class TListView;

class OutputFixture : public MainWindowFixture {
public:
    TSettings::tagCopyOptions& CopyOptions() { return Settings->CopyOptions; }
    void SetColumns(bool mnemonic, bool code, bool facility, bool severity, bool header, bool line);

    // The shown main window with rows in its code list.
    TfrmMain& CreateWithCodes(std::vector<CodeEntry> rows);
    // A left click on row of list: selects it and runs the click handler.
    void ClickRow(TListView& list, int row);
    // Adds rows of the code list to the action list as Ctrl+A does.
    void ListCodes(std::initializer_list<int> rows);
    // The Output pane's text as the program sees it (8-bit, CR LF).
    std::string PaneText();

    FakeClipboard clipboard;

private:
    ScopedSeam<Clipboard> clipboardSeam{clipboard};
};

// A row as a header scan gives it, with every sub-item filled.
CodeEntry FullRow(const char* mnemonic, const char* code, const char* header, const char* line, const char* offset);

// The data of a drag of this program's that started from a control of the
// class className.
QMimeData* DragFrom(const char* className);

// Offers data to control's viewport as a drag entering and dropping there;
// true when the control accepted the drop. Queued drop handlers have run
// when it returns.
bool DropOn(QWidget& viewport, QMimeData* data);
