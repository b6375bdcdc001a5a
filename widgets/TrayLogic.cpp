#include "widgets/TrayLogic.h"

#include <utility>

namespace {
constexpr std::size_t MaxTipLength = 63;
}

TrayReaction ReactToTrayMouse(bool mainWindowVisible, TrayMouse event)
{
    if (mainWindowVisible) {
        return event == TrayMouse::LeftUp || event == TrayMouse::RightUp ? TrayReaction::BringToFront
                                                                         : TrayReaction::Nothing;
    }
    switch (event) {
    case TrayMouse::LeftDown: return TrayReaction::ShowWindows;
    case TrayMouse::RightUp: return TrayReaction::PopupMenu;
    default: return TrayReaction::Nothing;
    }
}

int TrayImageCounter::Take()
{
    const int image = next;
    next = next + 1 < ImageCount ? next + 1 : 0;
    return image;
}

TrayImageCounter& RunTrayImages()
{
    static TrayImageCounter counter;
    return counter;
}

TrayIconState::TrayIconState(TrayShell& shell_, TrayImageCounter& images_, std::string tip_,
                             std::function<void(TrayMouse)> onMouse_)
    : shell(shell_), images(images_), tip(std::move(tip_)), onMouse(std::move(onMouse_))
{
    if (tip.size() > MaxTipLength)
        tip.resize(MaxTipLength);
}

void TrayIconState::Add(bool mode)
{
    // Without a notification area the icon is refused; tray mode stays off
    // then, so that nothing hides a window the icon could not bring back.
    if (iconPresent || !shell.Add(onMouse))
        return;
    iconPresent = true;
    shell.Modify(images.Take(), tip);
    trayMode = mode;
}

void TrayIconState::Remove()
{
    if (!iconPresent)
        return;
    shell.Delete();
    iconPresent = false;
    trayMode = false;
}

bool TrayIconState::FollowHost(bool useTray)
{
    const bool host = shell.HostAvailable();
    if (iconPresent && !host) {
        Remove();
        return true;
    }
    if (!iconPresent && host && useTray)
        Add(true);
    return false;
}
