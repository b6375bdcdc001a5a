// Keys seen before the focused control gets them, in the windows watched.
// The handler sees every key press once, before any shortcut of Qt's or of
// the control; when it takes a key, the control never receives it.
#pragma once

#include <QKeyCombination>
#include <QObject>
#include <QPointer>

#include <functional>
#include <optional>
#include <vector>

class QKeyEvent;

// The characters a window's FormKeyPress receives for the keys it acts on,
// as the system passes them.
inline constexpr char EnterKey = 13;
inline constexpr char EscapeKey = 27;

class QEvent;
class QWidget;

// For a window's own filter over its controls: the key of a press to act
// on, or 0. A key that a control passes on to its parents reaches the filter
// once for each of them; it counts once, where the focused control (the
// window, when none has focus) received it.
int KeyPressAtFocus(const QWidget& window, const QObject* watched, const QEvent* event);

class KeyPreview : public QObject {
    Q_OBJECT
public:
    // Returns true when it takes the key.
    using Handler = std::function<bool(QWidget* window, QKeyCombination key)>;

    KeyPreview(QObject* parent, Handler handler);

    // Previews the keys of window while active() holds (always without it).
    void Watch(QWidget* window, std::function<bool()> active = {});

    static QKeyCombination CombinationOf(const QKeyEvent& event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Watched {
        QPointer<QWidget> window;
        std::function<bool()> active;
    };

    QWidget* WatchedWindowOf(QObject* receiver) const;

    Handler handler;
    std::vector<Watched> windows;
    // The key taken at its shortcut check, whose press is still to come.
    std::optional<QKeyCombination> taken;
};
