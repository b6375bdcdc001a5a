// Drives the modal dialog a command opens: once the dialog is up and active,
// act on it (tick boxes, press keys), typically ending with closing it.
// Nothing waits for ever: a dialog that does not show within the timeout is
// reported, and one that does not become active is acted on all the same.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>

class ModalDialogDriver : public QObject {
public:
    // Arms the driver; run the command that opens the dialog afterwards.
    explicit ModalDialogDriver(std::function<void(QWidget& dialog)> act, int timeoutMs = 5000);

    bool Acted() const { return acted; }
    // The dialog the driver acted on; null once it is deleted.
    QWidget* Dialog() const { return dialog; }

private:
    void Poll(int remainingMs);

    std::function<void(QWidget&)> act;
    QPointer<QWidget> dialog;
    bool acted = false;
};

// Closes dialog as its close box does.
void PressCloseBox(QWidget& dialog);
