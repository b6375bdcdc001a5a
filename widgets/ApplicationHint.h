// The application's hint: the long part of the hint of the control under
// the mouse (empty over nothing with a hint and while a menu item is
// highlighted), with one handler that runs whenever that text changes.
// It also shows the hint popups (the short parts) of the windows that
// carry a popup setting, and only while that setting is on.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class QWidget;

// A control's own hint; a control without one shows its parent's.
void SetControlHint(QWidget* control, const QString& hint);
QString ControlHint(const QWidget* control);
QString EffectiveHint(const QWidget* control);

// Whether a window shows hint popups over its controls.
void SetWindowShowsHints(QWidget* window, bool show);
bool WindowShowsHints(const QWidget* window);

class ApplicationHint : public QObject {
    Q_OBJECT
public:
    static ApplicationHint& Instance();

    QString Hint() const { return hint; }
    void SetHint(const QString& text);

    // The one handler; it is dropped when its owner is destroyed.
    void SetHandler(QObject* owner, std::function<void()> handler);
    void ClearHandler();
    bool HandlerOwnedBy(const QObject* owner) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit ApplicationHint(QObject* parent);
    bool ShowPopup(QWidget* control, QEvent* event);

    QString hint;
    QPointer<QObject> handlerOwner;
    std::function<void()> handler;
};
