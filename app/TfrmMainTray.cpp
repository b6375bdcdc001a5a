// The main window's side of the notification-area icon: hiding to the tray
// on minimize, the icon's mouse events and menu, and following the desktop's
// notification area as it comes and goes.
#include "app/TfrmMain.h"

#include "settings/TSettings.h"

#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QTimer>
#include <QWindowStateChangeEvent>

namespace {

// Shows a window in the state it had before it was minimized (normal or
// maximized).
void ShowUnminimized(QWidget& window)
{
    if (window.windowState() & Qt::WindowMinimized)
        window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.show();
}

// Often enough that a panel started by hand shows the icon at once, seldom
// enough to cost nothing while the program waits.
constexpr int TrayHostPollMilliseconds = 1000;

} // namespace

void TfrmMain::AddTrayIcon(bool trayMode)
{
    tray->Add(trayMode);
}

void TfrmMain::RemoveTrayIcon()
{
    tray->Remove();
}

bool TfrmMain::TrayMode() const
{
    return tray->TrayMode();
}

bool TfrmMain::TrayIconPresent() const
{
    return tray->IconPresent();
}

const std::string& TfrmMain::TrayTip() const
{
    return tray->Tip();
}

void TfrmMain::WatchTrayHost()
{
    // Qt tells the program nothing when a panel starts late, restarts, or
    // quits with the window hidden in it, so the window asks now and then.
    auto* watch = new QTimer(this);
    connect(watch, &QTimer::timeout, this, &TfrmMain::FollowTrayHost);
    watch->start(TrayHostPollMilliseconds);
}

void TfrmMain::FollowTrayHost()
{
    // Start-up frees the settings when the message loop ends.
    if (Settings == nullptr)
        return;
    const bool hiddenInTray = !isVisible();
    if (tray->FollowHost(Settings->GeneralOptions.UseTray != 0) && hiddenInTray)
        ShowFromTray();
}

void TfrmMain::SysCommandMinimize()
{
    if (tray->MinimizeHides())
        HideToTray();
    else
        showMinimized();
}

void TfrmMain::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange || !(windowState() & Qt::WindowMinimized) || !tray->MinimizeHides())
        return;
    // Minimized from the title bar or the window manager: hide instead. The
    // window keeps its minimized state while hidden, since leaving that
    // state maps the window again on X11; the state is left on the way back.
    QMetaObject::invokeMethod(
        this, [this] { HideToTray(); }, Qt::QueuedConnection);
}

void TfrmMain::HideToTray()
{
    if (FindVisible && findWindow)
        findWindow->hide();
    hide();
}

void TfrmMain::ShowFromTray()
{
    ShowUnminimized(*this);
    if (FindVisible && findWindow)
        ShowUnminimized(*findWindow);
    // A modal dialog goes down with the main window when the window manager
    // minimizes it, and must come back with it.
    if (QWidget* modal = QApplication::activeModalWidget()) {
        ShowUnminimized(*modal);
        modal->activateWindow();
    }
}

void TfrmMain::BringToFront()
{
    // One read of the guarded pointer: the window may go away between two.
    QWidget* last = lastActiveWindow.data();
    QWidget* window = last && last->isVisible() ? last : this;
    window->raise();
    window->activateWindow();
}

void TfrmMain::WMTrayNotify(TrayMouse event)
{
    switch (ReactToTrayMouse(isVisible(), event)) {
    case TrayReaction::ShowWindows: ShowFromTray(); break;
    case TrayReaction::BringToFront: BringToFront(); break;
    // Qt's popups close by themselves when the user clicks elsewhere, so
    // the main window need not be made the foreground window first.
    case TrayReaction::PopupMenu: TrayPopupMenu->popup(QCursor::pos()); break;
    case TrayReaction::Nothing: break;
    }
}

void TfrmMain::TrayMenuRestoreClick()
{
    ShowFromTray();
}
