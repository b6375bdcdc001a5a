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
    stop_xvfb
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "xvfb_default_settings: $*" >&2
    [ -s "$work/vantrel.log" ] && sed 's/^/  vantrel: /' "$work/vantrel.log" >&2
    exit 1
}

source "$(dirname "$0")/xvfb_support.sh"


mkdir "$work/app"
cp "$binary" "$work/app/vantrel" || fail "cannot copy $binary"

start_xvfb

# In a sanitizer build, what the desktop bus and font libraries keep at
# exit is not the program's leak.
printf '%s\n' 'leak:libdbus-1.so' 'leak:libfontconfig.so' >"$work/lsan.supp"

# From another folder, so the file can only land beside the executable.
(cd "$work" && exec env QT_QPA_PLATFORM=xcb LSAN_OPTIONS="suppressions=$work/lsan.supp" "$work/app/vantrel") \
    >"$work/vantrel.log" 2>&1 &
app_pid=$!

close_with_ctrl_x

settings="$work/app/vantrel.dat"
[ -f "$settings" ] || fail "no vantrel.dat beside the executable"
[ ! -e "$work/vantrel.dat" ] || fail "vantrel.dat was written to the current folder"
size=$(stat -c %s "$settings")
[ "$size" -eq "$expected_size" ] || fail "vantrel.dat has $size bytes, not $expected_size"
echo "xvfb_default_settings: vantrel.dat of $size bytes beside the executable"
