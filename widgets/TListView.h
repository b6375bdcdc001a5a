// A report list over a CodeListModel: fixed columns, grid lines, whole-row
// single selection that stays visible without the focus, no editing.
#pragma once

#include <QTreeView>

#include <initializer_list>

class CodeListModel;

class TListView : public QTreeView {
    Q_OBJECT
public:
    explicit TListView(QWidget* parent = nullptr);

    void SetModel(CodeListModel* model);
    CodeListModel* Model() const { return rows; }
    void SetColumnWidths(std::initializer_list<int> widths);

    bool HasSelection() const;
    // The selected row, or -1.
    int SelectedRow() const;
    void SelectRow(int row);

signals:
    // A left click on the list, when the button comes up.
    void Clicked();
    void RightButtonPressed();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // A drag carries the list's kind, which the drop targets decide on; the
    // row acted upon at the drop is the list's selected row.
    void startDrag(Qt::DropActions supportedActions) override;

private:
    CodeListModel* rows = nullptr;
};
