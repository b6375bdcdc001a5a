#include "app/AppObject.h"

#include "app/TerminationRequests.h"
#include "app/TfrmMain.h"
#include "widgets/seams/MessageBoxService.h"

#include <memory>

namespace {
constexpr const char* ShowMainFormProperty = "showMainForm";
constexpr const char* ApplicationTitle = "Vantrel";
} // namespace

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(QString::fromLatin1(ApplicationTitle));
    // Lets the desktop match the windows to the installed desktop entry and
    // its icon (Wayland asks for this by name).
    setDesktopFileName(QStringLiteral("io.github.vantrel.Vantrel"));
}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ShowException(error);
        return false;
    }
}

void SetShowMainForm(bool show)
{
    qApp->setProperty(ShowMainFormProperty, show);
}

bool ShowMainForm()
{
    return qApp->property(ShowMainFormProperty).toBool();
}

int RunMessageLoop(TfrmMain& mainForm)
{
    // The main window may be hidden in the tray while a box closes; only
    // its own closing ends the loop.
    QApplication::setQuitOnLastWindowClosed(false);
    const QMetaObject::Connection ending =
        QObject::connect(&mainForm, &TfrmMain::Closed, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    // Told from outside to end (a logout, a closed terminal), the program
    // closes its main window as Exit does, and the run ends as usual.
    const std::unique_ptr<QObject> requests = WatchTerminationRequests([&mainForm] { mainForm.close(); });
    // A hidden start without an icon would leave no way to the program, so
    // the window starts minimized then.
    if (!ShowMainForm() && !mainForm.TrayIconPresent())
        mainForm.showMinimized();
    else if (ShowMainForm()) {
        if (mainForm.windowState() & Qt::WindowMinimized)
            mainForm.showMinimized();
        else
            mainForm.show();
    }
    const int result = QApplication::exec();
    QObject::disconnect(ending);
    return result;
}

void ShowException(const std::exception& error)
{
    MessageBoxA(nullptr, error.what(), ApplicationTitle, MB_OK | MB_ICONERROR);
}
