#!/usr/bin/env bash
# The notification area comes and goes while the program runs: a panel
# started after the program gets the icon and hides the window on minimize,
# and a panel that quits with the window hidden in it gives the window back.
case_name=tray_host
source "$(dirname "$0")/desktop_support.sh"

no_tray_icon() {
    ! find_tray_icon
}

start_desktop
start_vantrel UseTray=1
wait_for 20 is_mapped "$main" || fail "the main window was not shown"

for round in first second; do
    start_trayer
    wait_for 20 find_tray_icon || fail "$round panel: no icon in the notification area"
    xdotool windowminimize "$main"
    stays_unmapped "$main" 2 || fail "$round panel: the minimized main window is still mapped"
    stop_trayer
    wait_for 20 is_mapped "$main" || fail "$round panel: the main window did not come back when the panel quit"
    wait_for 20 lacks_state "$main" HIDDEN || fail "$round panel: the main window came back iconified"
    wait_for 20 shows_something "$main" || fail "$round panel: the main window came back black"
    wait_for 20 no_tray_icon || fail "$round panel: the icon is still shown with no panel"
done
echo "$case_name: passed"
