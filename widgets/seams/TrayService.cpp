#include "widgets/seams/TrayService.h"

#include "widgets/AnsiQString.h"
#include "widgets/Images.h"

#include <QSystemTrayIcon>

#include <memory>

namespace {

// Without a tray on the desktop every call fails and nothing is shown, as
// when the shell refuses the icon.
class QtTray final : public TrayShell {
public:
    bool Add(std::function<void(TrayMouse)> onMouse) override
    {
        if (icon || !QSystemTrayIcon::isSystemTrayAvailable())
            return false;
        icon = std::make_unique<QSystemTrayIcon>();
        // Qt reports a left click as one event; the shell's press and
        // release both follow from it, in that order.
        QObject::connect(icon.get(), &QSystemTrayIcon::activated, icon.get(),
                         [onMouse](QSystemTrayIcon::ActivationReason reason) {
                             switch (reason) {
                             case QSystemTrayIcon::Trigger:
                                 onMouse(TrayMouse::LeftDown);
                                 onMouse(TrayMouse::LeftUp);
                                 break;
                             case QSystemTrayIcon::Context: onMouse(TrayMouse::RightUp); break;
                             default: onMouse(TrayMouse::Other); break;
                             }
                         });
        return true;
    }

    bool Modify(int imageIndex, const std::string& tip) override
    {
        if (!icon)
            return false;
        icon->setIcon(TrayImage(imageIndex));
        icon->setToolTip(FromAnsi(tip));
        icon->show();
        return true;
    }

    bool Delete() override
    {
        if (!icon)
            return false;
        // The icon may be the sender of the event that led here.
        icon->hide();
        icon.release()->deleteLater();
        return true;
    }

    // Asked every second or so. Qt itself moves an icon that is up to a new
    // area on X11, but it never tells the program that the area came or went.
    bool HostAvailable() override { return QSystemTrayIcon::isSystemTrayAvailable(); }

private:
    std::unique_ptr<QSystemTrayIcon> icon;
};

} // namespace

template <> TrayShell& Seam<TrayShell>::Default()
{
    static QtTray tray;
    return tray;
}
