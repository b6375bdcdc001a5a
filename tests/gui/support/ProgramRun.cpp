#include "support/ProgramRun.h"

#include "app/TfrmMain.h"

#include <QCoreApplication>
#include <QTimer>

int RunProgram(const StartupOptions& options, const std::function<void()>& inLoop, const std::function<void()>& onHang)
{
    QTimer::singleShot(0, [inLoop] {
        if (inLoop)
            inLoop();
        if (frmMain != nullptr)
            frmMain->close();
    });
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [onHang] {
        qWarning("the loop did not end");
        if (onHang)
            onHang();
        QCoreApplication::exit(1);
    });
    guard.start(10000);
    int argc = 1;
    char name[] = "vantrel";
    char* argv[] = {name, nullptr};
    return RunVantrel(argc, argv, options);
}
