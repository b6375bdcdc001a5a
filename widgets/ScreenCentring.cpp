#include "widgets/ScreenCentring.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QRect>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace {

bool PlaceCentred(QWidget& window, QSize outerSize)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return false;
    QRect outer(QPoint(), outerSize);
    outer.moveCenter(screen->availableGeometry().center());
    // A top-level window's position is that of its frame.
    window.move(outer.topLeft());
    return true;
}

// Waits for the first exposure in the normal state (not minimized or
// maximized), then centres the frame unless the window was moved meanwhile.
class FrameCentring final : public QObject {
public:
    FrameCentring(QWidget& window_, QPoint placedAt_) : QObject(&window_), window(window_), placedAt(placedAt_)
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &window && event->type() == QEvent::Show && window.windowHandle() != nullptr
            && handle == nullptr) {
            handle = window.windowHandle();
            handle->installEventFilter(this);
        } else if (watched == handle && event->type() == QEvent::Expose && handle->isExposed())
            OnExposed();
        return false;
    }

private:
    void OnExposed()
    {
        if (window.windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen))
            return;
        if (window.pos() == placedAt && !handle->frameMargins().isNull())
            PlaceCentred(window, window.frameGeometry().size());
        deleteLater();
    }

    QWidget& window;
    const QPoint placedAt;
    QPointer<QWindow> handle;
};

} // namespace

void CentreOnScreen(QWidget& window)
{
    if (PlaceCentred(window, window.size()))
        new FrameCentring(window, window.pos());
}
