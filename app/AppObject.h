// What the program needs of the application object beyond Qt's own: the
// property that decides whether the main window is shown when the loop
// starts, the loop that ends when the main window closes, and the standard
// display of an exception.
#pragma once

#include <QApplication>

#include <exception>

class TfrmMain;

// The program's application object: an exception that escapes an event
// handler is shown, and the loop goes on.
class TApplication : public QApplication {
    Q_OBJECT
public:
    TApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

void SetShowMainForm(bool show);
bool ShowMainForm();

// Shows the main window if the property says so (minimized when that is its
// state) and runs the loop until the main window closes; a request from
// outside to end the program closes it.
int RunMessageLoop(TfrmMain& mainForm);

void ShowException(const std::exception& error);
