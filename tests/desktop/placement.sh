#!/usr/bin/env bash
# The main window first shows in the middle of the work area, frame and all,
# whether it starts shown or starts iconified and is brought back.
case_name=placement
source "$(dirname "$0")/desktop_support.sh"

# How far the centre of the window's frame is from the centre of the work
# area, in pixels, as "<dx> <dy>" (doubled, to stay in whole numbers).
frame_offset() {
    local extents area
    extents=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= //p' | tr -d ,)
    area=$(xprop -root _NET_WORKAREA | sed -n 's/.*= //p' | tr -d , | cut -d' ' -f1-4)
    [ -n "$extents" ] || return 1
    xwininfo -id "$1" | awk -v extents="$extents" -v area="$area" '
        /Absolute upper-left X:/ { x = $4 } /Absolute upper-left Y:/ { y = $4 }
        /Width:/ { w = $2 } /Height:/ { h = $2 }
        END {
            split(extents, e, " "); split(area, a, " ")
            left = x - e[1]; top = y - e[3]; width = w + e[1] + e[2]; height = h + e[3] + e[4]
            print 2 * left + width - (2 * a[1] + a[3]), 2 * top + height - (2 * a[2] + a[4])
        }'
}

# Centred to within a pixel each way.
is_centred() {
    local offset
    offset=$(frame_offset "$1") || return 1
    set -- $offset
    [ "${1#-}" -le 2 ] && [ "${2#-}" -le 2 ]
}

start_desktop
start_vantrel UseTray=0
wait_for 20 is_mapped "$main" || fail "the main window was not shown"
wait_for 5 is_centred "$main" || fail "shown: the frame is off the centre by (doubled) $(frame_offset "$main")"
kill "$app_pid"
wait "$app_pid" 2>/dev/null

start_vantrel UseTray=0 ShowAtStart=0
wait_for 20 has_state "$main" HIDDEN || fail "hidden start: the main window is not iconified"
xdotool windowactivate "$main" 2>/dev/null
wait_for 20 is_mapped "$main" || fail "hidden start: the main window did not come back"
wait_for 5 is_centred "$main" || fail "hidden start: the frame is off the centre by (doubled) $(frame_offset "$main")"
echo "$case_name: passed"
