#include "widgets/DropTarget.h"

#include "widgets/DragSource.h"

#include <QAbstractScrollArea>
#include <QDropEvent>
#include <QMimeData>

#include <utility>

DropTarget::DropTarget(QObject* parent, DragOver dragOver_, DragDrop dragDrop_)
    : QObject(parent), dragOver(std::move(dragOver_)), dragDrop(std::move(dragDrop_))
{
}

void DropTarget::Attach(QAbstractScrollArea* control, DragOver dragOver, DragDrop dragDrop)
{
    QWidget* viewport = control->viewport();
    viewport->setAcceptDrops(true);
    viewport->installEventFilter(new DropTarget(viewport, std::move(dragOver), std::move(dragDrop)));
}

bool DropTarget::eventFilter(QObject*, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return false;
    auto* drop = static_cast<QDropEvent*>(event);
    const QMimeData* data = drop->mimeData();
    if (!data->hasFormat(QString::fromLatin1(DragSourceMimeType)))
        return false;
    if (!dragOver(data)) {
        drop->ignore();
        return true;
    }
    drop->acceptProposedAction();
    if (type == QEvent::Drop)
        QMetaObject::invokeMethod(this, dragDrop, Qt::QueuedConnection);
    return true;
}
