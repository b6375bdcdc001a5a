#include "widgets/PanelDocking.h"

#include "widgets/DragSource.h"

#include <QDrag>
#include <QDropEvent>
#include <QMouseEvent>
#include <QWidget>

void PanelDragSource::Attach(QWidget* panel)
{
    panel->installEventFilter(new PanelDragSource(panel));
}

PanelDragSource::PanelDragSource(QWidget* draggedPanel) : QObject(draggedPanel), panel(draggedPanel)
{
}

bool PanelDragSource::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != panel || event->type() != QEvent::MouseButtonPress)
        return false;
    const auto* press = static_cast<QMouseEvent*>(event);
    if (press->button() != Qt::LeftButton)
        return false;
    // Qt deletes the drag once it is over.
    auto* drag = new QDrag(panel);
    drag->setMimeData(DragSourceData(*panel));
    drag->setPixmap(panel->grab());
    drag->setHotSpot(press->position().toPoint());
    drag->exec(Qt::MoveAction);
    return true;
}

void FrameDropTarget::Attach(QWidget* frame, DragOver dragOver, DragDrop dragDrop)
{
    frame->setAcceptDrops(true);
    frame->installEventFilter(new FrameDropTarget(frame, std::move(dragOver), std::move(dragDrop)));
}

FrameDropTarget::FrameDropTarget(QWidget* target, DragOver over, DragDrop drop)
    : QObject(target), frame(target), dragOver(std::move(over)), dragDrop(std::move(drop))
{
}

// Drags over the frame's children reach the frame when they take no drops
// themselves; those parts are not the frame's to take.
bool FrameDropTarget::OnFrameItself(QPoint point) const
{
    return frame->rect().contains(point) && frame->childAt(point) == nullptr;
}

bool FrameDropTarget::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != frame)
        return false;
    switch (event->type()) {
    case QEvent::DragEnter: {
        // Accepted wherever it enters, so the moves that follow arrive.
        auto* enter = static_cast<QDragEnterEvent*>(event);
        if (dragOver(enter->mimeData()))
            enter->acceptProposedAction();
        else
            enter->ignore();
        return true;
    }
    case QEvent::DragMove: {
        auto* move = static_cast<QDragMoveEvent*>(event);
        if (dragOver(move->mimeData()) && OnFrameItself(move->position().toPoint()))
            move->acceptProposedAction();
        else
            move->ignore();
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const QPoint point = drop->position().toPoint();
        if (dragOver(drop->mimeData()) && OnFrameItself(point)) {
            drop->acceptProposedAction();
            dragDrop(point.y());
        } else {
            drop->ignore();
        }
        return true;
    }
    default: return false;
    }
}
