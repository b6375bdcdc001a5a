// The decisions of the notification-area icon, free of any window: which
// mouse event on the icon does what in which state, the icon's life
// (add, modify, delete) with its run-wide picture counter, following the
// desktop's notification area as it comes and goes, and whether a minimize
// hides the windows.
#pragma once

#include <functional>
#include <string>

// Mouse events on the icon, as the shell reports them.
enum class TrayMouse { LeftDown, LeftUp, RightUp, Other };

enum class TrayReaction { Nothing, ShowWindows, BringToFront, PopupMenu };

TrayReaction ReactToTrayMouse(bool mainWindowVisible, TrayMouse event);

// The shell's side of the icon (Shell_NotifyIconA). Each call reports
// success; a refused Add means there is no notification area to use.
class TrayShell {
public:
    virtual ~TrayShell() = default;
    // The icon is registered with no picture and no tip; onMouse receives
    // its mouse events until Delete.
    virtual bool Add(std::function<void(TrayMouse)> onMouse) = 0;
    virtual bool Modify(int imageIndex, const std::string& tip) = 0;
    virtual bool Delete() = 0;
    // Whether the desktop has a notification area right now. A panel may
    // start after the program, or end and start again, while it runs.
    virtual bool HostAvailable() = 0;
};

// Which picture the next icon of the run shows: E, S, I, W, E, then E again.
class TrayImageCounter {
public:
    static constexpr int ImageCount = 5;
    int Take();

private:
    int next = 0;
};

// The counter every icon of a run shares.
TrayImageCounter& RunTrayImages();

class TrayIconState {
public:
    // The tip is cut to the 63 characters the shell keeps.
    TrayIconState(TrayShell& shell, TrayImageCounter& images, std::string tip, std::function<void(TrayMouse)> onMouse);
    TrayIconState(const TrayIconState&) = delete;
    TrayIconState& operator=(const TrayIconState&) = delete;

    // Puts the icon up and sets the tray mode; does nothing at all while
    // the icon is up, so the mode keeps its value then, nor when the shell
    // refuses the icon, so a later call tries again.
    void Add(bool trayMode);
    // Takes the icon away and clears the tray mode.
    void Remove();
    // Follows the notification area: an icon whose area has gone is taken
    // away, and true tells the caller to show whatever the icon was hiding;
    // with useTray, an area that has come gets the icon and tray mode, as at
    // start.
    bool FollowHost(bool useTray);

    bool IconPresent() const { return iconPresent; }
    bool TrayMode() const { return trayMode; }
    // The minimize command (title bar, system menu, Escape) hides instead.
    bool MinimizeHides() const { return trayMode; }
    const std::string& Tip() const { return tip; }

private:
    TrayShell& shell;
    TrayImageCounter& images;
    std::string tip;
    std::function<void(TrayMouse)> onMouse;
    bool iconPresent = false;
    bool trayMode = false;
};
