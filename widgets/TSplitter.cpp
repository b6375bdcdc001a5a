#include "widgets/TSplitter.h"

#include "widgets/SplitterRule.h"

#include <QMouseEvent>
#include <QSplitterHandle>

namespace {

class ClampingHandle final : public QSplitterHandle {
public:
    explicit ClampingHandle(TSplitter* parent) : QSplitterHandle(Qt::Horizontal, parent), owner(parent) {}

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton)
            grabOffset = qRound(event->position().x());
        QSplitterHandle::mousePressEvent(event);
    }

    void mouseMoveEvent(QMouseEvent* event) override
    {
        if (!(event->buttons() & Qt::LeftButton))
            return;
        const int requested = owner->mapFromGlobal(event->globalPosition().toPoint()).x() - grabOffset;
        moveSplitter(owner->ClampedPosition(requested));
    }

private:
    TSplitter* owner;
    int grabOffset = 0;
};

} // namespace

TSplitter::TSplitter(QWidget* parent) : QSplitter(Qt::Horizontal, parent)
{
    setHandleWidth(4);
    setOpaqueResize(true);
    setChildrenCollapsible(false);
}

int TSplitter::ClampedPosition(int requested) const
{
    return ClampSplitPosition(requested, minSize, contentsRect().width(), handleWidth());
}

QSplitterHandle* TSplitter::createHandle()
{
    return new ClampingHandle(this);
}
