#include "widgets/ApplicationHint.h"

#include "widgets/HintText.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QStatusTipEvent>
#include <QToolTip>
#include <QWidget>

namespace {
constexpr const char* HintProperty = "hint";
constexpr const char* ShowHintProperty = "showHint";

// The tip a list's model gives for the cell under the mouse: not a hint of
// the control but a reading of the cell (the Code column's value in hex).
QString CellTip(const QWidget* control, const QEvent* event)
{
    const auto* view = qobject_cast<const QAbstractItemView*>(control->parentWidget());
    if (view == nullptr || view->viewport() != control)
        return {};
    return view->indexAt(static_cast<const QHelpEvent*>(event)->pos()).data(Qt::ToolTipRole).toString();
}
} // namespace

void SetControlHint(QWidget* control, const QString& hint)
{
    control->setProperty(HintProperty, hint);
}

QString ControlHint(const QWidget* control)
{
    return control->property(HintProperty).toString();
}

QString EffectiveHint(const QWidget* control)
{
    // A window's hint is its own: popups and dialogs do not borrow from
    // the window that owns them.
    for (const QWidget* c = control; c != nullptr; c = c->isWindow() ? nullptr : c->parentWidget()) {
        const QString own = ControlHint(c);
        if (!own.isEmpty())
            return own;
    }
    return {};
}

void SetWindowShowsHints(QWidget* window, bool show)
{
    window->setProperty(ShowHintProperty, show);
}

bool WindowShowsHints(const QWidget* window)
{
    return window->property(ShowHintProperty).toBool();
}

ApplicationHint& ApplicationHint::Instance()
{
    static QPointer<ApplicationHint> instance;
    if (!instance)
        instance = new ApplicationHint(QCoreApplication::instance());
    return *instance;
}

ApplicationHint::ApplicationHint(QObject* parent) : QObject(parent)
{
    QCoreApplication::instance()->installEventFilter(this);
}

void ApplicationHint::SetHint(const QString& text)
{
    if (text == hint)
        return;
    hint = text;
    if (handler && handlerOwner)
        handler();
}

void ApplicationHint::SetHandler(QObject* owner, std::function<void()> newHandler)
{
    handlerOwner = owner;
    handler = std::move(newHandler);
}

void ApplicationHint::ClearHandler()
{
    handlerOwner = nullptr;
    handler = nullptr;
}

bool ApplicationHint::HandlerOwnedBy(const QObject* owner) const
{
    return handler && handlerOwner == owner;
}

bool ApplicationHint::eventFilter(QObject* watched, QEvent* event)
{
    if (!watched->isWidgetType())
        return false;
    auto* control = static_cast<QWidget*>(watched);
    switch (event->type()) {
    case QEvent::Enter: SetHint(LongHint(EffectiveHint(control))); break;
    case QEvent::Leave:
        // Leaving a control puts the mouse over its parent, unless the
        // control is a window and the mouse left the program's windows.
        SetHint(control->isWindow() ? QString() : LongHint(EffectiveHint(control->parentWidget())));
        break;
    case QEvent::StatusTip:
        // Sent while a menu item is highlighted; menu items have no hints.
        SetHint(LongHint(static_cast<QStatusTipEvent*>(event)->tip()));
        break;
    case QEvent::ToolTip: return ShowPopup(control, event);
    default: break;
    }
    return false;
}

bool ApplicationHint::ShowPopup(QWidget* control, QEvent* event)
{
    const QWidget* window = control->window();
    if (!window->property(ShowHintProperty).isValid())
        return false;
    QString text = CellTip(control, event);
    if (text.isEmpty() && WindowShowsHints(window))
        text = ShortHint(EffectiveHint(control));
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text, control);
    return true;
}
