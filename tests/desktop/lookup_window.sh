#!/usr/bin/env bash
# F6 opens the Lookup window over fresh default settings; a code typed into
# it is reported from the built-in catalogue, and the report's text, copied
# from its pane, names the code's definition.
case_name=lookup_window
source "$(dirname "$0")/desktop_support.sh"

command -v xclip >/dev/null || fail "xclip is not installed"

# The Lookup window, once it is mapped. Sets $lookup.
find_lookup_window() {
    lookup=$(program_windows | awk '$3 == "IsViewable" && $4 == "Lookup" { print $1; exit }')
    [ -n "$lookup" ]
}

# Qt may destroy the window's X window when it hides it, not only unmap it.
no_lookup_window() {
    ! find_lookup_window
}

lookup_is_active() {
    [ "$(xdotool getactivewindow 2>/dev/null)" = "$lookup" ]
}

report_names() {
    xclip -o -selection clipboard 2>/dev/null | grep -q "$1"
}

start_desktop
start_vantrel UseTray=0
wait_for 20 is_mapped "$main" || fail "the main window was not shown"
keys_to "$main" F6
wait_for 20 find_lookup_window || fail "F6 did not open the Lookup window"
wait_for 20 lookup_is_active || fail "the Lookup window did not become active"

xdotool type --delay 20 0xC0000005
# From the box to the report, and the whole report onto the clipboard.
xdotool key --clearmodifiers Tab ctrl+a ctrl+c
wait_for 10 report_names STATUS_ACCESS_VIOLATION \
    || fail "the report does not name STATUS_ACCESS_VIOLATION: $(xclip -o -selection clipboard 2>&1 | head -5)"

keys_to "$lookup" Escape
wait_for 20 no_lookup_window || fail "Escape did not close the Lookup window"
echo "$case_name: passed"
