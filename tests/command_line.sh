#!/usr/bin/env bash
# The program's command line answers without a display: --help and
# --version print and end with 0, anything else is refused with one line
# and 2, and none of them touches the settings.
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

[ ! -e "$work/vantrel.dat" ] || fail "the command line wrote the settings file"
echo "command_line: --help, --version and refusals as expected"
