#!/usr/bin/env bash
# scripts/check-format against a small repository of its own: a file laid
# out by hand the wrong way fails the check and is named; --fix mends it; a
# header in a fuzz corpus is input, not code, and is never checked.
set -u
source_root=$1
repo=$(mktemp -d)
trap 'rm -rf "$repo"' EXIT
failures=0
expect() { # what, expected status, command...
    local what=$1 expected=$2
    shift 2
    "$@" >"$repo.out" 2>&1
    local got=$?
    if [ "$got" != "$expected" ]; then
        echo "$what: expected status $expected, got $got"; cat "$repo.out"
        failures=$((failures + 1))
    fi
}

git -C "$repo" init -q
cp "$source_root/.clang-format" "$repo/"
mkdir -p "$repo/text" "$repo/fuzz/corpus/fuzz_scan_header"
printf 'int Twice(int x)\n{\n    return x * 2;\n}\n' >"$repo/text/good.cpp"
printf '#define  E_X   5L\nint  a ;\n' >"$repo/fuzz/corpus/fuzz_scan_header/input.h"
git -C "$repo" add -A
expect "laid-out tree" 0 "$source_root/scripts/check-format" "$repo"

printf 'int Twice(int x) { return x*2; }\n' >"$repo/text/bad.cpp"
git -C "$repo" add -A
expect "a badly laid-out file" 1 "$source_root/scripts/check-format" "$repo"
grep -q "text/bad.cpp is not formatted" "$repo.out" || { echo "the failure does not name text/bad.cpp"; failures=$((failures + 1)); }
grep -q "good.cpp\|input.h" "$repo.out" && { echo "the failure names a file that is fine"; failures=$((failures + 1)); }

expect "--fix" 0 "$source_root/scripts/check-format" --fix "$repo"
expect "after --fix" 0 "$source_root/scripts/check-format" "$repo"
rm -f "$repo.out"
exit $((failures != 0))
