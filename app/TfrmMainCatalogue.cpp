// The code list: loading it from the selected headers, sorting both lists by
// a clicked column, and the code list's popup menu.
#include "app/TfrmMain.h"

#include "catalogue/ScanHeader.h"
#include "dialogs/SettingsDialogLink.h"
#include "platform/win32.h"
#include "settings/TSettings.h"
#include "widgets/CodeListModel.h"
#include "widgets/Controls.h"
#include "widgets/seams/MessageBoxService.h"
#include "widgets/TListView.h"
#include "widgets/TStatusBar.h"

#include <QAction>
#include <QApplication>
#include <QMenu>

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace {

// The hourglass for as long as the load runs, but not over a message box
// that waits for the user.
class HourglassCursor {
public:
    HourglassCursor() { Show(); }
    ~HourglassCursor() { Release(); }
    HourglassCursor(const HourglassCursor&) = delete;
    HourglassCursor& operator=(const HourglassCursor&) = delete;

    void Release()
    {
        if (!shown)
            return;
        QApplication::restoreOverrideCursor();
        shown = false;
    }

    void Warn(QWidget* owner, const std::string& text, LPCSTR caption)
    {
        Release();
        MessageBoxA(owner, text.c_str(), caption, MB_ICONEXCLAMATION);
        Show();
    }

private:
    void Show()
    {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        shown = true;
    }

    bool shown = false;
};

bool AnySelected(const TStringsStorage& list, const BYTE* selected)
{
    for (LONG i = 0; i < list.Count(); ++i) {
        if (selected[i] != 0)
            return true;
    }
    return false;
}

// A folder at the path is no header.
bool IsExistingFile(LPCSTR path)
{
    const DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

} // namespace

void TfrmMain::cmdLoadClick()
{
    HourglassCursor hourglass;
    Codes->Clear();
    const TSettings::tagErrorsOptions& lists = Settings->ErrorsOptions;

    const char* refusal = nullptr;
    const char* refusalCaption = nullptr;
    if (!AnySelected(lists.Headers, lists.HeaderSelected)) {
        refusal = "Your must select headers to load. Use \"Options\" (F7).";
        refusalCaption = "No headers to load";
    } else if (!AnySelected(lists.Prefixes, lists.PrefixSelected)) {
        refusal = "Your must select prefixes to load. Use \"Options\" (F7)";
        refusalCaption = "No prefixes to load";
    }
    if (refusal != nullptr) {
        hourglass.Warn(this, refusal, refusalCaption);
        hourglass.Release();
        OnControlChange();
        if (settingsDialog != nullptr)
            settingsDialog->ShowFirstPage();
        cmdOptionsClick();
        return;
    }

    // The rows are gathered first and shown in one batch: a list that took
    // them one by one would redraw tens of thousands of times. They stay in
    // the compact table the scan fills.
    CodeTable rows;
    int loaded = 0;
    for (LONG i = 0; i < lists.Headers.Count(); ++i) {
        if (lists.HeaderSelected[i] == 0)
            continue;
        const std::string path = lists.Headers.Text(i);
        if (!IsExistingFile(path.c_str())) {
            hourglass.Warn(this, "Header file not found : \"" + path + "\". Check settings (F7)", nullptr);
            continue;
        }
        // A failed header, memory running out included, adds no rows.
        if (ScanHeader(path.c_str(), lists.Prefixes, lists.PrefixSelected, rows) == 0) {
            ++loaded;
            continue;
        }
        hourglass.Warn(this, "Unable to load header file : \"" + path + "\"", nullptr);
    }
    Codes->SetLoadedRows(std::move(rows));

    StatusBar1->SetPanelText(2, QString::number(loaded));
    StatusBar1->SetPanelText(4, QString::number(Codes->Count()));
    hourglass.Release();
    OnControlChange();
}

void TfrmMain::ListViewColumnClick(TListView* sender, int column)
{
    CodeListModel* rows = sender->Model();
    rows->Reorder(ColumnOrder(rows->Rows(), column - 1, SortAscending));
    SortAscending = !SortAscending;
}

void TfrmMain::pmnuCListPopup()
{
    // The declaration follows the selection as it is now; the other items
    // say what the last recompute gave their tool buttons.
    pmnuCGotoCodes->setEnabled(EnabledCommands(CurrentWindowState()).Has(Command::ViewCodeDeclaration));
    ApplyCommandState(Command::Copy, {pmnuCCopy});
    ApplyCommandState(Command::CopyToActionList, {pmnuCCopyToAct});
    ApplyCommandState(Command::Find, {pmnuCFind});
    ApplyCommandState(Command::FindNext, {pmnuCFindNext});
    pmnuLoadReload->setEnabled(true);
    pmnuOptions->menuAction()->setEnabled(true);
}
