// Copying codes into the Output pane or onto the clipboard, the copy
// settings, and the code generator that writes into the pane.
#include "app/TfrmMain.h"

#include "app/OutputPaneBinding.h"
#include "dialogs/TfrmActionSelect.h"
#include "dialogs/TfrmCopyWhat.h"
#include "output/CopyCommand.h"
#include "settings/TSettings.h"
#include "widgets/CodeListModel.h"
#include "widgets/DragSource.h"
#include "widgets/seams/ClipboardService.h"
#include "widgets/seams/MessageBoxService.h"
#include "widgets/TListView.h"

#include <QTabWidget>

#include <memory>
#include <new>

namespace {

std::vector<std::string> Mnemonics(const CodeListModel& rows)
{
    std::vector<std::string> mnemonics;
    mnemonics.reserve(static_cast<std::size_t>(rows.Count()));
    for (const CodeEntry& row : rows.Rows())
        mnemonics.push_back(row.Mnemonic);
    return mnemonics;
}

} // namespace

void TfrmMain::cmdCopyClick()
{
    const int selected = ListView1->SelectedRow();
    const CodeEntry* row = selected >= 0 ? &Codes->Row(selected) : nullptr;
    const CopyResult result = CopyRow(row, Settings->CopyOptions, Seam<Clipboard>::Get(), *OutputText);
    if (const std::optional<UserMessage> message = MessageFor(result))
        MessageBoxA(this, message->Text, message->Caption, MB_ICONEXCLAMATION);
    if (result == CopyResult::SettingsNotDefined)
        mnuCopySettingsClick();
}

void TfrmMain::mnuCopySettingsClick()
{
    TfrmCopyWhat dialog(this, "Copy settings");
    dialog.exec();
}

bool TfrmMain::txtOutputDragOver(const QMimeData* source) const
{
    return IsDragFrom(source, "TListView");
}

void TfrmMain::txtOutputDragDrop()
{
    // A row dropped on the pane goes into the pane, whatever the copy
    // destination says; the setting is the user's again afterwards, also
    // when the copy opened the copy-settings dialog.
    const BYTE destination = Settings->CopyOptions.CopyToClipboard;
    Settings->CopyOptions.CopyToClipboard = 0;
    cmdCopyClick();
    Settings->CopyOptions.CopyToClipboard = destination;
}

void TfrmMain::cmdActionMakeClick()
{
    std::unique_ptr<TfrmActionSelect> dialog;
    try {
        dialog = std::make_unique<TfrmActionSelect>(this);
    } catch (const std::bad_alloc&) {
        MessageBoxA(this, "FATAL ERROR : Cannot create new window", nullptr, MB_ICONERROR);
        return;
    }
    if (dialog->exec() != QDialog::Accepted)
        return;
    const std::vector<std::string> lines =
        MakeCode(dialog->Syntax(), Mnemonics(*Actions), dialog->Expression(), dialog->Brackets());
    // Nothing to generate (an if / else if chain needs a first code) must
    // not cost the pane its text.
    if (lines.empty())
        return;
    OutputText->ReplaceWithLines(lines);
    if (dialog->AlsoToClipboard())
        Seam<Clipboard>::Get().SetText(OutputText->Text());
    if (PageControl1->currentWidget() != TabSheet2)
        PageControl1->setCurrentWidget(TabSheet2);
}
