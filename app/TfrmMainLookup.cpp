// The main window's side of the Lookup window: opening it, and the row of
// the code list that a definition of its report leads to.
#include "app/TfrmMain.h"

#include "dialogs/TfrmLookup.h"
#include "lookup/TypedLookup.h"
#include "widgets/CodeListModel.h"
#include "widgets/TListView.h"

void TfrmMain::cmdLookupClick()
{
    if (!lookupWindow)
        lookupWindow = new TfrmLookup(*this, this);
    lookupWindow->ShowInFront();
}

bool TfrmMain::SelectCodeRow(const DefinitionPlace& place)
{
    const std::optional<std::size_t> found = RowOfDefinition(Codes->Rows(), place);
    if (!found)
        return false;
    const int row = static_cast<int>(*found);
    ListView1->SelectRow(row);
    ListView1->scrollTo(Codes->index(row, 0));
    OnControlChange();
    return true;
}
