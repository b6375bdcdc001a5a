#!/usr/bin/env bash
# vantrel-lookup whose output cannot be written (/dev/full, a full file
# system) fails with status 2 and says why, in each output form, so that a
# script never takes a cut-off answer for a whole one.
# Usage: lost_output.sh <path of vantrel-lookup>
set -uo pipefail

lookup=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
    echo "lost_output: $*" >&2
    exit 1
}

# Enough rows that a scan is far larger than the small file system below.
for i in $(seq 1 3000); do
    printf '#define ERROR_TEST_%d %dL\r\n' "$i" "$i"
done >"$work/codes.h"

forms=("5" "--json 5" "--scan" "--json --scan")

# expect_lost <target file> <form>: the run into the target must fail with 2
# and name the system's reason.
expect_lost() {
    local target=$1 form=$2 status
    # shellcheck disable=SC2086 # the form's words are separate arguments
    "$lookup" --header "$work/codes.h" --prefix ERROR_ $form >"$target" 2>"$work/err"
    status=$?
    [ "$status" -eq 2 ] || fail "'$form' into $target ended with $status, not 2"
    grep -q 'could not be written: No space left on device' "$work/err" \
        || fail "'$form' into $target said: $(cat "$work/err")"
}

for form in "${forms[@]}"; do
    expect_lost /dev/full "$form"
done

# A full disk: a file system of its own, in a mount namespace of its own so
# that nothing stays mounted when the test ends. Needs the right to mount.
if unshare -m true 2>/dev/null; then
    mkdir "$work/full"
    export -f expect_lost fail
    export lookup work
    unshare -m bash -c '
        mount -t tmpfs -o size=16k tmpfs "$work/full" 2>/dev/null || exit 3
        expect_lost "$work/full/out" "--json --scan"
        expect_lost "$work/full/out" "--scan"'
    status=$?
    [ "$status" -ne 3 ] || echo "lost_output: no tmpfs could be mounted; the full disk case is skipped"
    [ "$status" -eq 0 ] || [ "$status" -eq 3 ] || exit 1
else
    echo "lost_output: no mount namespace; the full disk case is skipped"
fi
echo "lost_output: every lost output ended with 2 and its reason"
