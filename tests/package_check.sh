#!/usr/bin/env bash
# Checks a built Debian package as a user would meet it: its metadata, the
# desktop entry and AppStream data, lintian, and the programs unpacked into
# a throwaway root. The installed vantrel, started on an X server of its own
# with an empty home folder and closed with Ctrl+X, must leave the default
# settings in ~/.config/vantrel and nothing beside its executable.
# Given the Windows zip of vantrel-lookup too, checks that it holds the
# program and its README alone, and that the program needs no DLL beyond
# the system's.
# Usage: package_check.sh <vantrel_*.deb> [vantrel-lookup-*-windows-x86_64.zip]
set -uo pipefail

package=$(realpath "$1")
zip=${2:+$(realpath "$2")}
app_id=io.github.vantrel.Vantrel
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
    echo "package_check: $*" >&2
    [ -s "$work/vantrel.log" ] && sed 's/^/  vantrel: /' "$work/vantrel.log" >&2
    exit 1
}

source "$(dirname "$0")/xvfb_support.sh"

# --- what the package says about itself ---
field() {
    dpkg-deb --field "$package" "$1"
}
[ "$(field Package)" = vantrel ] || fail "the package is not called vantrel"
[ -n "$(field Depends)" ] || fail "no Depends: dpkg-shlibdeps found nothing"
field Depends | grep -q 'libqt6widgets6' || fail "Depends lacks the Qt libraries: $(field Depends)"
field Depends | grep -q 'libqt6svg6' || fail "Depends lacks the SVG plugin the tool bar's pictures need: $(field Depends)"
[ "$(field Recommends)" = libwine ] || fail "Recommends is '$(field Recommends)', not libwine"
[ "$(field Suggests)" = mingw-w64-common ] || fail "Suggests is '$(field Suggests)', not mingw-w64-common"
[ -n "$(field Section)" ] && [ -n "$(field Maintainer)" ] || fail "Section or Maintainer missing"

# --- the files, unpacked where they would be installed ---
root="$work/root"
dpkg -x "$package" "$root" || fail "dpkg -x could not unpack $package"
programs=(vantrel)
[ -e "$root/usr/bin/vantrel-lookup" ] && programs+=(vantrel-lookup)
expected=("usr/share/applications/$app_id.desktop" "usr/share/metainfo/$app_id.metainfo.xml"
          "usr/share/icons/hicolor/scalable/apps/$app_id.svg")
for size in 48 128 256; do
    expected+=("usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png")
done
for program in "${programs[@]}"; do
    expected+=("usr/bin/$program" "usr/share/man/man1/$program.1.gz")
done
for file in "${expected[@]}"; do
    [ -s "$root/$file" ] || fail "the package has no $file"
done
for size in 48 128 256; do
    file -b "$root/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png" | grep -q "$size x $size" \
        || fail "the ${size}x${size} icon is not $size pixels square"
done

desktop-file-validate "$root/usr/share/applications/$app_id.desktop" || fail "desktop-file-validate failed"
appstreamcli validate --no-net "$root/usr/share/metainfo/$app_id.metainfo.xml" >"$work/appstream.log" 2>&1 \
    || { cat "$work/appstream.log" >&2; fail "appstreamcli validate failed"; }

# lintian's errors fail the check (it checks the manual pages too); its
# warnings are shown.
lintian --fail-on error "$package" >"$work/lintian.log" 2>&1
lintian_status=$?
sed 's/^/  lintian: /' "$work/lintian.log"
[ "$lintian_status" -eq 0 ] || fail "lintian reports errors"

# --- the installed programs, with an empty home folder ---
home="$work/home"
mkdir "$home"
in_home() {
    (cd "$work" && exec env -u XDG_CONFIG_HOME HOME="$home" "$@")
}

in_home env -u DISPLAY -u WAYLAND_DISPLAY "$root/usr/bin/vantrel" --version >"$work/version" 2>&1 \
    || fail "vantrel --version failed: $(cat "$work/version")"

if [ -e "$root/usr/bin/vantrel-lookup" ]; then
    winerror=/usr/share/mingw-w64/include/winerror.h
    [ -f "$winerror" ] || fail "$winerror is missing (package mingw-w64-common)"
    in_home "$root/usr/bin/vantrel-lookup" 0x80070005 >"$work/lookup" 2>"$work/lookup.err" \
        || fail "vantrel-lookup 0x80070005 failed: $(cat "$work/lookup.err")"
    grep -q 'E_ACCESSDENIED' "$work/lookup" || fail "vantrel-lookup 0x80070005 did not name E_ACCESSDENIED"
    # It only reads the settings: a user who never ran the window has no
    # settings folder afterwards.
    [ ! -e "$home/.config/vantrel" ] || fail "vantrel-lookup made $home/.config/vantrel"
fi

# --- the Windows zip: the program and its README alone, needing no DLL
# beyond the system's (the C++ runtime and winpthread are linked in) ---
if [ -n "$zip" ]; then
    mkdir "$work/zip" && (cd "$work/zip" && cmake -E tar xf "$zip") || fail "$zip cannot be unpacked"
    files=$(cd "$work/zip" && find . -type f | sort | tr '\n' ' ')
    [ "$files" = "./README.txt ./vantrel-lookup.exe " ] || fail "$zip holds $files"
    exe="$work/zip/vantrel-lookup.exe"
    file -b "$exe" | grep -q '^PE32+ executable (console) x86-64' || fail "vantrel-lookup.exe is $(file -b "$exe")"
    for dll in $(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z'); do
        case $dll in
            kernel32.dll | msvcrt.dll | user32.dll | advapi32.dll) ;;
            *) fail "vantrel-lookup.exe needs $dll, which Windows does not have" ;;
        esac
    done
    grep -q $'^vantrel-lookup [0-9.]* for Windows (64-bit)\r$' "$work/zip/README.txt" \
        || fail "README.txt does not start with the program's name and version in CR LF lines"
fi

start_xvfb
in_home env QT_QPA_PLATFORM=xcb "$root/usr/bin/vantrel" >"$work/vantrel.log" 2>&1 &
app_pid=$!

close_with_ctrl_x

settings="$home/.config/vantrel/vantrel.dat"
[ -f "$settings" ] || fail "no $settings after the run"
size=$(stat -c %s "$settings")
[ "$size" -eq "$expected_size" ] || fail "vantrel.dat has $size bytes, not $expected_size"
[ ! -e "$root/usr/bin/vantrel.dat" ] || fail "vantrel.dat was written beside the installed executable"
[ ! -e "$work/vantrel.dat" ] || fail "vantrel.dat was written to the current folder"
echo "package_check: $(basename "$package"): metadata, desktop entry, AppStream data, lintian and the installed programs pass"
[ -z "$zip" ] || echo "package_check: $(basename "$zip"): the program and its README, needing only system DLLs"
