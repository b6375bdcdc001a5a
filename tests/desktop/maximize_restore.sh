#!/usr/bin/env bash
# F5 (Maximize/Restore) maximizes a normal window, restores a maximized one
# and maximizes a window minimized from the maximized state.
case_name=maximize_restore
source "$(dirname "$0")/desktop_support.sh"

start_desktop
start_vantrel UseTray=0
wait_for 20 is_mapped "$main" || fail "the main window was not shown"

keys_to "$main" F5
wait_for 20 is_maximized "$main" || fail "F5 did not maximize a normal window"
keys_to "$main" F5
wait_for 20 is_normal "$main" || fail "F5 did not restore a maximized window"
keys_to "$main" F5
wait_for 20 is_maximized "$main" || fail "F5 did not maximize the window again"

xdotool windowminimize "$main"
wait_for 20 has_state "$main" HIDDEN || fail "the main window was not minimized"
# A minimized window has no focus; the key goes straight to it.
xdotool key --window "$main" F5
wait_for 20 lacks_state "$main" HIDDEN || fail "F5 left the minimized window minimized"
wait_for 20 is_maximized "$main" || fail "F5 restored a window minimized from the maximized state to normal"
echo "$case_name: passed"
