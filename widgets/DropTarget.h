// A control as a drop target for the program's own drags, in the manner of
// the DragOver and DragDrop events: the drag-over test decides whether a
// drag of the program may be dropped here, and the drop handler acts on it.
// A program drag the test refuses is refused; drags from other programs are
// left to the control's own handling. The drop handler runs once the drag
// has ended, so a dialog it opens does not run inside the drag.
#pragma once

#include <QObject>

#include <functional>

class QAbstractScrollArea;
class QMimeData;

class DropTarget : public QObject {
    Q_OBJECT
public:
    using DragOver = std::function<bool(const QMimeData* data)>;
    using DragDrop = std::function<void()>;

    // The target lives as long as the control's viewport, where its drag
    // events arrive.
    static void Attach(QAbstractScrollArea* control, DragOver dragOver, DragDrop dragDrop);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    DropTarget(QObject* parent, DragOver dragOver, DragDrop dragDrop);

    DragOver dragOver;
    DragDrop dragDrop;
};
