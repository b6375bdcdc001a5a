// The View Declaration command: the header of the focused list's selected
// row, opened in the declaration viewer at the declaring line.
#include "app/TfrmMain.h"

#include "app/AppObject.h"
#include "dialogs/TfrmDeclaration.h"
#include "widgets/CodeListModel.h"
#include "widgets/TListView.h"

#include <stdexcept>

namespace {

// The row the command is for: the selected row of the list that has the
// focus; the other list is not consulted.
const CodeEntry* FocusedRow(const TListView& codes, const TListView& actions)
{
    for (const TListView* list : {&codes, &actions}) {
        if (!list->hasFocus())
            continue;
        const int row = list->SelectedRow();
        return row < 0 ? nullptr : &list->Model()->Row(row);
    }
    return nullptr;
}

} // namespace

void TfrmMain::ListViewDblClick()
{
    const CodeEntry* row = FocusedRow(*ListView1, *lvAction);
    if (row == nullptr)
        return;
    TfrmDeclaration* viewer = TfrmDeclaration::ForRow(this, *row);
    if (viewer == nullptr) {
        // Reported as the application reports any failure it did not expect.
        ShowException(std::runtime_error("Cannot open file " + row->Header()));
        return;
    }
    viewer->ShowModal();
}
