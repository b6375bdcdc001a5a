#!/usr/bin/env bash
# With a notification area: the title bar's minimize hides the main window
# and the search window, the icon stays, and a click on the icon brings
# both back in the state they had, normal or maximized, drawn (not black).
case_name=tray_minimize
source "$(dirname "$0")/desktop_support.sh"

header=/usr/share/mingw-w64/include/winerror.h
[ -f "$header" ] || fail "$header is missing (package mingw-w64-common)"

start_desktop tray
start_vantrel Header="$header"
wait_for 20 is_mapped "$main" || fail "the main window was not shown"
wait_for 20 find_tray_icon || fail "no icon in the notification area"

keys_to "$main" ctrl+l
keys_to "$main" ctrl+f
wait_for 20 find_search_window || fail "the search window did not open"

minimize_and_restore() {
    local state=$1
    xdotool windowminimize "$main"
    stays_unmapped "$main" 2 || fail "$state: the minimized main window is still mapped"
    wait_for 20 is_unmapped "$find" || fail "$state: the search window is still mapped"
    find_tray_icon || fail "$state: the icon went away"
    xdotool mousemove --window "$icon" 8 8 click 1
    wait_for 20 is_mapped "$main" || fail "$state: a click on the icon did not bring the main window back"
    wait_for 20 is_mapped "$find" || fail "$state: a click on the icon did not bring the search window back"
    wait_for 20 lacks_state "$main" HIDDEN || fail "$state: the main window came back iconified"
    wait_for 20 shows_something "$main" || fail "$state: the main window came back black"
}

minimize_and_restore normal
is_maximized "$main" && fail "normal: the main window came back maximized"

keys_to "$main" F5
wait_for 20 is_maximized "$main" || fail "F5 did not maximize the main window"
minimize_and_restore maximized
wait_for 20 is_maximized "$main" || fail "maximized: the main window came back in the normal state"
echo "$case_name: passed"
