#!/usr/bin/env bash
# vantrel-lookup.exe as a Windows user meets it, run under Wine: the
# built-in catalogue, message texts from the system's own modules
# (kernelbase, wininet, and ntdll or the Win32 code it maps an NTSTATUS to),
# --json, and the exit status of each kind of answer. The caller provides
# the Wine prefix (scripts/windows-tests).
# Usage: lookup_under_wine.sh <vantrel-lookup.exe>
set -uo pipefail

lookup=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
    echo "lookup_under_wine: $*" >&2
    exit 1
}

# One case a line: the exit status, the arguments, then patterns (grep -E)
# that the standard output must hold, each on a line of its own, all
# separated by |. A message line shows "(none)" when no module had a text,
# so "Message   [^(]" asks for a text.
cases=(
    "0|0x80070005|^0x80070005  unsigned 2147942405|E_ACCESSDENIED  winerror\.h:[0-9]+|Message   Access denied"
    "0|0xC0000005|STATUS_ACCESS_VIOLATION  ntstatus\.h:[0-9]+|NTSTATUS  severity 3 \(error\)|Message   [^(]"
    "0|12007|ERROR_INTERNET_NAME_NOT_RESOLVED  wininet\.h:[0-9]+|Message   [^(]"
    "0|0xC00D36B2|MF_E_INVALIDREQUEST  mferror\.h:[0-9]+|Message   [^(]"
    "0|--json 0x80070005|\"name\": \"E_ACCESSDENIED\"|\"message\": \"Access denied|\"found\": true"
    "0|--message 5|^Access denied"
    "0|--help|given with --header"
    "1|NO_SUCH_CODE_ANYWHERE"
    "2|--no-such-option 5"
    "2|--json --family nosuchfamily 5|\"error\": "
)

for entry in "${cases[@]}"; do
    IFS='|' read -r -a parts <<<"$entry"
    expected=${parts[0]}
    # shellcheck disable=SC2086 # the arguments are separate words
    wine "$lookup" ${parts[1]} >"$work/raw" 2>"$work/err"
    status=$?
    # The console's line ends are CR LF; the patterns see lines.
    tr -d '\r' <"$work/raw" >"$work/out"
    [ "$status" -eq "$expected" ] \
        || fail "'${parts[1]}' ended with $status, not $expected: $(cat "$work/err" "$work/out")"
    for pattern in "${parts[@]:2}"; do
        grep -Eq -- "$pattern" "$work/out" || fail "'${parts[1]}' printed no line matching '$pattern':
$(cat "$work/out")"
    done
    iconv -f UTF-8 -t UTF-8 "$work/out" >/dev/null || fail "'${parts[1]}' printed text that is not UTF-8"
done
# A text beyond ASCII leaves as the table's characters in UTF-8, not as
# bytes of some code page: Wine takes the user's language from LANG.
russian=$(LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8 wine "$lookup" --message 2 | tr -d '\r')
[ "$russian" = "Файл не найден." ] || fail "--message 2 in Russian printed '$russian'"
echo "lookup_under_wine: $((${#cases[@]} + 1)) runs gave their status and output"
