#include "ModalDialogDriver.h"

#include <QApplication>
#include <QTimer>

#include <utility>

namespace {

constexpr int PollIntervalMs = 10;

} // namespace

ModalDialogDriver::ModalDialogDriver(std::function<void(QWidget&)> act_, int timeoutMs) : act(std::move(act_))
{
    Poll(timeoutMs);
}

void ModalDialogDriver::Poll(int remainingMs)
{
    // The driver is the timer's context: a poll never outlives it.
    QTimer::singleShot(PollIntervalMs, this, [this, remainingMs] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != nullptr && modal->isVisible()) {
            dialog = modal;
            acted = true;
            act(*modal);
            return;
        }
        if (remainingMs <= 0) {
            qWarning("no modal dialog appeared");
            return;
        }
        Poll(remainingMs - PollIntervalMs);
    });
}

void PressCloseBox(QWidget& dialog)
{
    dialog.close();
}
