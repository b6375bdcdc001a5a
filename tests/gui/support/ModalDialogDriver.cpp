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
        // The dialog is acted on once it is the active window, so its focus
        // is where the user would find it.
        QWidget* modal = QApplication::activeModalWidget();
        const bool shown = modal != nullptr && modal->isVisible();
        if (shown && (modal->isActiveWindow() || remainingMs <= 0)) {
            if (!modal->isActiveWindow())
                qWarning("the modal dialog did not become active");
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
