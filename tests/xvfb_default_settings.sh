#!/usr/bin/env bash
# Starts the real program on an X server of its own, with no settings file
# beside it, closes it with Ctrl+X and checks that it left the default
# settings file (962 bytes) beside its executable.
# Usage: xvfb_default_settings.sh <path of the vantrel executable>
set -uo pipefail

binary=$1
expected_size=962
work=$(mktemp -d)
xvfb_pid=
app_pid=

cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "xvfb_default_settings: $*" >&2
    [ -s "$work/vantrel.log" ] && sed 's/^/  vantrel: /' "$work/vantrel.log" >&2
    exit 1
}

# Polls a condition every 0.1 s for at most $1 seconds.
wait_for() {
    local seconds=$1
    shift
    local tries=$((seconds * 10))
    while [ "$tries" -gt 0 ]; do
        "$@" && return 0
        sleep 0.1
        tries=$((tries - 1))
    done
    return 1
}

command -v Xvfb >/dev/null || fail "Xvfb is not installed (package xvfb)"
command -v xdotool >/dev/null || fail "xdotool is not installed"

mkdir "$work/app"
cp "$binary" "$work/app/vantrel" || fail "cannot copy $binary"

# Xvfb picks a free display number itself and writes it once it is ready.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
wait_for 20 test -s "$work/display" || fail "Xvfb did not start"
export DISPLAY=":$(head -n1 "$work/display")"

# In a sanitizer build, what the desktop bus and font libraries keep at
# exit is not the program's leak.
printf '%s\n' 'leak:libdbus-1.so' 'leak:libfontconfig.so' >"$work/lsan.supp"

# From another folder, so the file can only land beside the executable.
(cd "$work" && exec env QT_QPA_PLATFORM=xcb LSAN_OPTIONS="suppressions=$work/lsan.supp" "$work/app/vantrel") \
    >"$work/vantrel.log" 2>&1 &
app_pid=$!

window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Vantrel$' | head -n1)
[ -n "$window" ] || fail "the main window did not appear"
timeout 10 xdotool windowfocus --sync "$window" || fail "could not focus the main window"
xdotool key --clearmodifiers ctrl+x

wait_for 20 bash -c "! kill -0 $app_pid 2>/dev/null" || fail "the program did not end after Ctrl+X"
wait "$app_pid"
status=$?
app_pid=
[ "$status" -eq 0 ] || fail "the program ended with exit code $status"

settings="$work/app/vantrel.dat"
[ -f "$settings" ] || fail "no vantrel.dat beside the executable"
[ ! -e "$work/vantrel.dat" ] || fail "vantrel.dat was written to the current folder"
size=$(stat -c %s "$settings")
[ "$size" -eq "$expected_size" ] || fail "vantrel.dat has $size bytes, not $expected_size"
echo "xvfb_default_settings: vantrel.dat of $size bytes beside the executable"
