// The action list: adding codes from the code list, removing them, its
// popup menu, finding a listed code again in the code list, and the change
// handler both lists share.
#include "app/TfrmMain.h"

#include "app/CodeListRows.h"
#include "app/RowCodeValue.h"
#include "output/ActionListRules.h"
#include "widgets/CodeListModel.h"
#include "widgets/Controls.h"
#include "widgets/DragSource.h"
#include "widgets/seams/MessageBoxService.h"
#include "widgets/TListView.h"

#include <QAction>
#include <QPlainTextEdit>

#include <new>

namespace {

constexpr int MnemonicColumn = 0;
// Stands for the thread's last error in a lookup, so it cannot look up the
// listed code with all 32 bits set.
constexpr LONG LastErrorCode = -1;

} // namespace

void TfrmMain::cmdActionClick()
{
    const int selected = ListView1->SelectedRow();
    if (selected < 0)
        return;
    const CodeEntry& row = Codes->Row(selected);
    if (IsMnemonicListed(CodeListRows(*Actions), row.Mnemonic))
        return;
    try {
        Actions->Append(row);
        lvAction->resizeColumnToContents(MnemonicColumn);
    } catch (const std::bad_alloc&) {
        // The code is not added; the list stays usable.
    }
}

void TfrmMain::cmdActionListDeleteClick()
{
    const int selected = lvAction->SelectedRow();
    if (selected < 0)
        return;
    Actions->Remove(selected);
    // The list would pass the selection on to the next row, and a second
    // Remove would take a row the user never chose.
    lvAction->clearSelection();
    OnControlChange();
}

void TfrmMain::cmdActionListClearClick()
{
    if (MessageBoxA(this, "Clear action list ?", "Confirm", MB_YESNO | MB_ICONQUESTION) == IDNO)
        return;
    Actions->Clear();
    OnControlChange();
}

void TfrmMain::pmnuAListPopup()
{
    ApplyCommandState(Command::ActionListDelete, {pmnuARemove, pmnuAGotoCodes, pmnuAGotoDeclaration});
    ApplyCommandState(Command::ActionMake, {pmnuAMake});
    ApplyCommandState(Command::ActionListClear, {pmnuAClear});
}

void TfrmMain::pmnuAGotoCodesClick()
{
    const int selected = lvAction->SelectedRow();
    const CodeEntry* listed = selected >= 0 ? &Actions->Row(selected) : nullptr;
    const CodeListRows codes(*Codes);
    const int found = FindSameEntry(listed, &codes);
    if (found < 0)
        return;
    ListView1->SelectRow(found);
    ListView1->scrollTo(Codes->index(found, MnemonicColumn), QAbstractItemView::EnsureVisible);
    ListView1->setFocus(Qt::OtherFocusReason);
}

void TfrmMain::ListViewActionChange(TListView* sender, int item, TItemChange change)
{
    if (sender == lvAction) {
        if (change != ctImage)
            OnControlChange();
        return;
    }
    if (sender != ListView1 || change != ctState || item < 0 || item >= Codes->Count())
        return;
    const LONG value = RowCodeValue(Codes->Row(item));
    if (value == LastErrorCode)
        Memo1->clear(); // the system has no message for 0xFFFFFFFF
    else
        ShowSystemMessage(value);
}

bool TfrmMain::lvActionDragOver(const QMimeData* source) const
{
    return IsDragFrom(source, "TListView");
}

void TfrmMain::lvActionDragDrop()
{
    cmdActionClick();
}
