// The code list: loading it from the selected headers, sorting both lists by
// a clicked column, and the code list's popup menu.
#include "app/TfrmMain.h"

#include "catalogue/LoadCodes.h"
#include "dialogs/SettingsDialogLink.h"
#include "output/LoadFailureMessage.h"
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

#include <string>
#include <utility>

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

} // namespace

void TfrmMain::cmdLoadClick()
{
    HourglassCursor hourglass;
    Codes->Clear();
    const TSettings::tagErrorsOptions& lists = Settings->ErrorsOptions;
    LoadedCodes loaded =
        LoadCodes({lists.Headers, lists.HeaderSelected, lists.Prefixes, lists.PrefixSelected},
                  [&](const FailedHeader& failed) { hourglass.Warn(this, LoadFailureMessage(failed), nullptr); });

    if (loaded.Refusal != LoadRefusal::None) {
        if (loaded.Refusal == LoadRefusal::NoHeaders)
            hourglass.Warn(this, "Your must select headers to load. Use \"Options\" (F7).", "No headers to load");
        else
            hourglass.Warn(this, "Your must select prefixes to load. Use \"Options\" (F7)", "No prefixes to load");
        hourglass.Release();
        OnControlChange();
        if (settingsDialog != nullptr)
            settingsDialog->ShowFirstPage();
        cmdOptionsClick();
        return;
    }

    // The rows were gathered first and are shown in one batch: a list that
    // took them one by one would redraw tens of thousands of times.
    Codes->SetLoadedRows(std::move(loaded.Rows));
    StatusBar1->SetPanelText(2, QString::number(loaded.LoadedHeaders));
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
