#!/usr/bin/env bash
# The program's command line answers without a display: --help and
# --version print and end with 0, anything else is refused with one line
# and 2; a run with no display to open says so in one line and ends with 1
# instead of aborting in Qt; and none of them touches the settings.
# Usage: command_line.sh <path of the vantrel executable>
set -uo pipefail

binary=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
    echo "command_line: $*" >&2
    exit 1
}

cp "$binary" "$work/vantrel" || fail "cannot copy $binary"
run() {
    env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= "$work/vantrel" "$@" >"$work/out" 2>"$work/err"
}

run --help
[ $? -eq 0 ] || fail "--help did not end with 0"
grep -q '^Usage: vantrel' "$work/out" || fail "--help printed no usage"

run --version
[ $? -eq 0 ] || fail "--version did not end with 0"
grep -qx 'vantrel [0-9][0-9.]*' "$work/out" || fail "--version printed '$(cat "$work/out")'"

for arguments in "--bogus" "file.h" "--help --version" "-platform xcb"; do
    # shellcheck disable=SC2086 # the arguments are split on purpose
    run $arguments
    status=$?
    [ "$status" -eq 2 ] || fail "'$arguments' ended with $status, not 2"
    [ "$(wc -l <"$work/err")" -eq 1 ] || fail "'$arguments' did not give one line: $(cat "$work/err")"
    [ ! -s "$work/out" ] || fail "'$arguments' printed on standard output"
done

# An environment with nothing but PATH and HOME, then one naming an X
# display that is not there; each with the text its line must hold.
while IFS='|' read -r display expected; do
    env -i PATH="$PATH" HOME="$work" ${display:+DISPLAY="$display"} \
        "$work/vantrel" >"$work/out" 2>"$work/err"
    status=$?
    [ "$status" -eq 1 ] || fail "DISPLAY='$display' ended with $status, not 1: $(head -3 "$work/err")"
    [ "$(wc -l <"$work/err")" -eq 1 ] || fail "DISPLAY='$display' gave not one line: $(cat "$work/err")"
    grep -qF -- "$expected" "$work/err" || fail "DISPLAY='$display' said: $(cat "$work/err")"
done <<'CASES'
|no display could be opened (DISPLAY is not set)
:4711|no display could be opened (DISPLAY=:4711)
CASES

[ ! -e "$work/vantrel.dat" ] || fail "the command line wrote the settings file"
echo "command_line: --help, --version, refusals and no display as expected"
