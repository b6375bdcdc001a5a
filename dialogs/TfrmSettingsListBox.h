// The settings dialog's list boxes: rows 17 pixels high, extended multiple
// selection (a click selects one item alone, Ctrl with a click adds or
// removes one, Shift with a click selects a range), and a double click
// anywhere in the box, on an item or not.
#pragma once

#include <QListWidget>

class TListBox : public QListWidget {
    Q_OBJECT
public:
    explicit TListBox(QWidget* parent = nullptr);

    bool Selected(int index) const { return item(index)->isSelected(); }
    void SetSelected(int index, bool selected) { item(index)->setSelected(selected); }
    int SelCount() const { return static_cast<int>(selectedItems().size()); }

signals:
    void DblClick();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};
