#!/usr/bin/env bash
# The program's clipboard on an X server of its own, against xclip as the
# other program: a text put through it (Windows-1252, CR LF) is read back by
# xclip from the CLIPBOARD selection as UTF-8 with its CR LF, and a text xclip
# puts there is read through it as Windows-1252.
# Usage: xvfb_clipboard.sh <path of the clipboard_holder executable>
set -uo pipefail

holder=$1
work=$(mktemp -d)
xvfb_pid=
holder_pid=
xclip_pid=

cleanup() {
    [ -n "$holder_pid" ] && kill "$holder_pid" 2>/dev/null
    [ -n "$xclip_pid" ] && kill "$xclip_pid" 2>/dev/null
    stop_xvfb
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "xvfb_clipboard: $*" >&2
    [ -s "$work/holder.log" ] && sed 's/^/  holder: /' "$work/holder.log" >&2
    exit 1
}

source "$(dirname "$0")/xvfb_support.sh"

command -v xclip >/dev/null || fail "xclip is not installed"

# -noreset: the server must not reset when the holder, its last client, ends.
start_xvfb -noreset
export QT_QPA_PLATFORM=xcb
printf '%s\n' 'leak:libdbus-1.so' 'leak:libfontconfig.so' >"$work/lsan.supp"
export LSAN_OPTIONS="suppressions=$work/lsan.supp"

# "café", CR LF, "line 2" in Windows-1252, with no line break at the end.
"$holder" put 636166e90d0a6c696e652032 >"$work/holder.out" 2>"$work/holder.log" &
holder_pid=$!
wait_for 20 grep -qs ready "$work/holder.out" || fail "the holder did not put its text"
read_back=$(timeout 10 xclip -o -selection clipboard | od -An -v -tx1 | tr -d ' \n')
[ "$read_back" = "636166c3a90d0a6c696e652032" ] || fail "xclip read '$read_back' from the clipboard"
kill "$holder_pid"
wait "$holder_pid" 2>/dev/null
holder_pid=

# "naïve" and CR LF in UTF-8, put by xclip, which serves it in the foreground.
printf 'na\xc3\xafve\r\n' | xclip -i -quiet -selection clipboard >/dev/null 2>&1 &
xclip_pid=$!
read_through() { [ "$(timeout 10 "$holder" get 2>>"$work/holder.log")" = "6e61ef76650d0a" ]; }
wait_for 20 read_through || fail "the program read '$(timeout 10 "$holder" get 2>/dev/null)' from the clipboard"
echo "xvfb_clipboard: Windows-1252 text went through the CLIPBOARD selection both ways"
