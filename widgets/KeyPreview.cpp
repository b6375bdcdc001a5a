#include "widgets/KeyPreview.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

#include <utility>

KeyPreview::KeyPreview(QObject* parent, Handler handler_) : QObject(parent), handler(std::move(handler_))
{
    QCoreApplication::instance()->installEventFilter(this);
}

void KeyPreview::Watch(QWidget* window, std::function<bool()> active)
{
    windows.push_back({window, std::move(active)});
}

int KeyPressAtFocus(const QWidget& window, const QObject* watched, const QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return 0;
    const QWidget* focus = window.focusWidget();
    if (watched != (focus != nullptr ? focus : &window))
        return 0;
    return static_cast<const QKeyEvent*>(event)->key();
}

QKeyCombination KeyPreview::CombinationOf(const QKeyEvent& event)
{
    return QKeyCombination(event.modifiers() & ~Qt::KeypadModifier, static_cast<Qt::Key>(event.key()));
}

QWidget* KeyPreview::WatchedWindowOf(QObject* receiver) const
{
    if (!receiver->isWidgetType())
        return nullptr;
    QWidget* window = static_cast<QWidget*>(receiver)->window();
    for (const Watched& entry : windows) {
        if (entry.window == window)
            return !entry.active || entry.active() ? window : nullptr;
    }
    return nullptr;
}

bool KeyPreview::eventFilter(QObject* watched, QEvent* event)
{
    // Every key press is first offered to the shortcuts as a
    // ShortcutOverride and then delivered as a KeyPress; a key taken at the
    // first step is dropped at the second, wherever it is delivered.
    if (event->type() == QEvent::KeyPress && taken) {
        const bool same = CombinationOf(*static_cast<QKeyEvent*>(event)) == *taken;
        taken.reset();
        return same;
    }
    if (event->type() != QEvent::ShortcutOverride)
        return false;
    QWidget* window = WatchedWindowOf(watched);
    if (window == nullptr)
        return false;
    // The override travels from the window to the focused control and up
    // its parents; it is looked at once, where the control receives it.
    QWidget* focus = window->focusWidget();
    if (watched != (focus != nullptr ? focus : window))
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const QKeyCombination combination = CombinationOf(*key);
    if (!handler(window, combination))
        return false;
    key->accept();
    taken = combination;
    return true;
}
