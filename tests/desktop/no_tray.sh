#!/usr/bin/env bash
# With no notification area, the program can always be reached: the title
# bar's minimize and Escape iconify the window, which comes back when
# activated, and a hidden start shows the window iconified.
case_name=no_tray
source "$(dirname "$0")/desktop_support.sh"

is_iconified() {
    is_unmapped "$1" && has_state "$1" HIDDEN
}

not_iconified() {
    ! is_iconified "$1"
}

# Iconified and still so a moment later, not hidden away after it.
stays_iconified() {
    wait_for 20 is_iconified "$1" || return 1
    ! wait_for "$2" not_iconified "$1"
}

comes_back() {
    xdotool windowactivate "$main" 2>/dev/null
    wait_for 20 is_mapped "$main" && wait_for 20 lacks_state "$main" HIDDEN && wait_for 20 shows_something "$main"
}

start_desktop
start_vantrel UseTray=1 EscapeAction=1
wait_for 20 is_mapped "$main" || fail "the main window was not shown"

xdotool windowminimize "$main"
stays_iconified "$main" 2 || fail "minimize: the main window is not iconified (state: $(net_wm_state "$main"))"
comes_back || fail "minimize: the iconified main window did not come back"

keys_to "$main" Escape
stays_iconified "$main" 2 || fail "Escape: the main window is not iconified (state: $(net_wm_state "$main"))"
comes_back || fail "Escape: the iconified main window did not come back"
kill "$app_pid"
wait "$app_pid" 2>/dev/null

start_vantrel UseTray=1 ShowAtStart=0
wait_for 20 is_iconified "$main" || fail "hidden start: the main window is not there iconified"
comes_back || fail "hidden start: the iconified main window did not come back"
echo "$case_name: passed"
