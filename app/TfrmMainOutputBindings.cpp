// Connects the Output pane, the action list and the code list's selection to
// the handlers of output and actions.
#include "app/TfrmMain.h"

#include "app/OutputPaneBinding.h"
#include "widgets/CodeListModel.h"
#include "widgets/DropTarget.h"
#include "widgets/TListView.h"

#include <QItemSelectionModel>
#include <QMenu>
#include <QPlainTextEdit>

namespace {

// Every row a selection change touched, as the list reports item changes:
// first the rows that lost the selection, then those that gained it.
template <class Report> void ForEachRow(const QItemSelection& rows, Report report)
{
    for (const QItemSelectionRange& range : rows) {
        for (int row = range.top(); row <= range.bottom(); ++row)
            report(row);
    }
}

} // namespace

void TfrmMain::BindOutputAndActions()
{
    OutputText = new OutputPaneBinding(txtOutput);
    connect(pmnuAList, &QMenu::aboutToShow, this, &TfrmMain::pmnuAListPopup);

    for (TListView* list : {ListView1, lvAction}) {
        auto stateChanged = [this, list](int row) { ListViewActionChange(list, row, ctState); };
        QItemSelectionModel* selection = list->selectionModel();
        connect(selection, &QItemSelectionModel::selectionChanged, this,
                [stateChanged](const QItemSelection& selected, const QItemSelection& deselected) {
                    ForEachRow(deselected, stateChanged);
                    ForEachRow(selected, stateChanged);
                });
        connect(selection, &QItemSelectionModel::currentRowChanged, this,
                [stateChanged](const QModelIndex& current, const QModelIndex& previous) {
                    if (previous.isValid())
                        stateChanged(previous.row());
                    if (current.isValid())
                        stateChanged(current.row());
                });
    }
    connect(Actions, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int) { ListViewActionChange(lvAction, first, ctText); });

    DropTarget::Attach(
        txtOutput, [this](const QMimeData* source) { return txtOutputDragOver(source); },
        [this] { txtOutputDragDrop(); });
    DropTarget::Attach(
        lvAction, [this](const QMimeData* source) { return lvActionDragOver(source); }, [this] { lvActionDragDrop(); });
}
