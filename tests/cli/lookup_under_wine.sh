#!/usr/bin/env bash
# vantrel-lookup.exe as a Windows user meets it, under Wine: the built-in
# catalogue, texts from the system's own modules (kernelbase, wininet,
# mferror, and for an NTSTATUS the Win32 code it maps to, as Wine's ntdll
# has none), UTF-8 output, --json, and each exit status. The caller provides
# the Wine prefix (scripts/windows-tests).
# Usage: lookup_under_wine.sh <vantrel-lookup.exe>
set -uo pipefail
lookup=$1
fail() {
    echo "lookup_under_wine: $*" >&2
    exit 1
}

# The exit status, the arguments, then patterns (grep -E) the output must
# hold, all separated by |. "Message   [^(]" asks for a text, not "(none)".
cases=(
    "0|0x80070005|^0x80070005  unsigned 2147942405|E_ACCESSDENIED  winerror\.h:[0-9]+|Message   Access denied"
    "0|0xC0000005|STATUS_ACCESS_VIOLATION  ntstatus\.h:[0-9]+|NTSTATUS  severity 3 \(error\)|Message   [^(]"
    "0|12007 0xC00D36B2|ERROR_INTERNET_NAME_NOT_RESOLVED  wininet\.h|MF_E_INVALIDREQUEST  mferror\.h|Message   [^(]"
    "0|--json 0x80070005|\"name\": \"E_ACCESSDENIED\"|\"message\": \"Access denied|\"found\": true"
    "0|--help|given with --header"
    "1|NO_SUCH_CODE_ANYWHERE"
    "2|--no-such-option 5"
    "2|--json --family nosuchfamily 5|\"error\": "
)
for entry in "${cases[@]}"; do
    IFS='|' read -r -a parts <<<"$entry"
    # shellcheck disable=SC2086 # the arguments are separate words
    out=$(wine "$lookup" ${parts[1]} 2>&1 | tr -d '\r'; exit "${PIPESTATUS[0]}")
    status=$?
    [ "$status" -eq "${parts[0]}" ] || fail "'${parts[1]}' ended with $status, not ${parts[0]}: $out"
    for pattern in "${parts[@]:2}"; do
        grep -Eq -- "$pattern" <<<"$out" || fail "'${parts[1]}' printed nothing matching '$pattern': $out"
    done
done

# Beyond ASCII, the table's characters leave in UTF-8, not as bytes of some
# code page; Wine takes the user's language from LANG.
russian=$(LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8 wine "$lookup" --message 2 | tr -d '\r')
[ "$russian" = "Файл не найден." ] || fail "--message 2 in Russian printed '$russian'"
echo "lookup_under_wine: $((${#cases[@]} + 1)) runs gave their status and output"
