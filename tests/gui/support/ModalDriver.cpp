#include "ModalDriver.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>

bool WithModalWindow(const std::function<void()>& trigger, const std::function<void(QWidget* modal)>& inspect,
                     int timeoutMs)
{
    bool seen = false;
    QElapsedTimer clock;
    clock.start();
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QPointer<QWidget> modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible())
            return;
        if (!seen) {
            seen = true;
            inspect(modal);
            if (modal != nullptr && modal->isVisible())
                modal->close();
        } else if (clock.elapsed() > timeoutMs) {
            qWarning("a modal window was still open after %d ms", timeoutMs);
            modal->close();
        }
    });
    poll.start();
    trigger();
    poll.stop();
    return seen;
}
