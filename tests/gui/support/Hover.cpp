#include "support/Hover.h"

#include <QCoreApplication>
#include <QEnterEvent>
#include <QHelpEvent>
#include <QTest>
#include <QToolTip>
#include <QWidget>

void MouseEnters(QWidget* control)
{
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QCoreApplication::sendEvent(control, &enter);
}

void MouseLeaves(QWidget* control)
{
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(control, &leave);
}

QString PopupOver(QWidget* control)
{
    QToolTip::hideText();
    if (!QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 2000))
        qWarning("the previous popup stayed");
    QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), control->mapToGlobal(QPoint(2, 2)));
    QCoreApplication::sendEvent(control, &help);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}
