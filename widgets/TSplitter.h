// A splitter between a left-aligned pane and the rest: dragging it keeps
// both panes at least MinSize wide (see ClampSplitPosition), and the panes
// follow the drag live.
#pragma once

#include <QSplitter>

class TSplitter : public QSplitter {
    Q_OBJECT
public:
    explicit TSplitter(QWidget* parent = nullptr);

    int MinSize() const { return minSize; }
    void SetMinSize(int size) { minSize = size; }

    // Where a drag to the left pane width `requested` ends up.
    int ClampedPosition(int requested) const;

protected:
    QSplitterHandle* createHandle() override;

private:
    int minSize = 30;
};
