// The search commands of the main window and the search in the code list.
#include "app/TfrmMain.h"

#include "catalogue/SearchCodes.h"
#include "dialogs/TfrmFind.h"
#include "widgets/CodeListModel.h"
#include "widgets/seams/MessageBoxService.h"
#include "widgets/TListView.h"

#include <QLineEdit>

#include <optional>

void TfrmMain::cmdFindClick()
{
    auto* find = qobject_cast<TfrmFind*>(FindWindow());
    if (find == nullptr)
        return;
    FindVisible = true;
    find->ShowInFront();
}

void TfrmMain::cmdFindNextClick()
{
    auto* find = qobject_cast<TfrmFind*>(FindWindow());
    if (find == nullptr)
        return;
    if (find->Edit1->text().isEmpty())
        cmdFindClick();
    else
        FindCode(find->CurrentSettings(), this);
}

bool TfrmMain::FindCode(const SearchSettings& settings, QWidget* messageOwner)
{
    const QModelIndex focusedIndex = ListView1->currentIndex();
    std::optional<std::size_t> focused;
    if (focusedIndex.isValid())
        focused = static_cast<std::size_t>(focusedIndex.row());

    const SearchResult found = SearchCodes(Codes->Rows(), focused, settings);
    if (!found.Row) {
        const UINT icon = found.Icon == SearchMessageIcon::Exclamation ? MB_ICONEXCLAMATION : MB_ICONINFORMATION;
        MessageBoxA(messageOwner, found.Message.c_str(), found.Caption.c_str(), icon);
        return false;
    }
    const int row = static_cast<int>(*found.Row);
    ListView1->SelectRow(row);
    ListView1->scrollTo(Codes->index(row, 0));
    OnControlChange();
    return true;
}
