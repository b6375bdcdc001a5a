#!/usr/bin/env bash
# After the search window's message box (nothing found) is dismissed, the
# search window is the active window again, so typing goes on in its text.
case_name=find_focus
source "$(dirname "$0")/desktop_support.sh"

header=/usr/share/mingw-w64/include/winerror.h
[ -f "$header" ] || fail "$header is missing (package mingw-w64-common)"

# A mapped window of the program that is neither the main nor the search
# window. Sets $box.
find_message_box() {
    box=$(program_windows | awk -v main="$main" -v find="$find" \
        '$3 == "IsViewable" && $2 >= 64 && $1 != main && $1 != find { print $1; exit }')
    [ -n "$box" ]
}

no_message_box() {
    ! find_message_box
}

find_is_active() {
    [ "$(xdotool getactivewindow 2>/dev/null)" = "$find" ]
}

start_desktop
start_vantrel UseTray=0 Header="$header"
wait_for 20 is_mapped "$main" || fail "the main window was not shown"
keys_to "$main" ctrl+l
keys_to "$main" ctrl+f
wait_for 20 find_search_window || fail "the search window did not open"
wait_for 20 find_is_active || fail "the search window did not become active"

for round in 1 2; do
    xdotool type --delay 20 zzz
    xdotool key Return
    wait_for 20 find_message_box || fail "round $round: no message box for a text that matches nothing"
    keys_to "$box" Return
    wait_for 20 no_message_box || fail "round $round: the message box did not close"
    wait_for 10 find_is_active || fail "round $round: the active window after the box is $(xdotool getactivewindow), not the search window"
done
echo "$case_name: passed"
