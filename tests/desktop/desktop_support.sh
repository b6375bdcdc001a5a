# Shared by the desktop cases: the real program on an X server of its own
# with the openbox window manager and, where a case asks, a notification
# area (trayer). Sourced, not run. The case sets $case_name before it.
# Arguments of every case: <vantrel> <settings_writer> <folder for screenshots>
set -uo pipefail

binary=$1
settings_writer=$2
shots=$3
work=$(mktemp -d)
xvfb_pid=
helper_pids=()
trayer_pid=
app_pid=

cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null
    local pid
    for pid in "${helper_pids[@]}"; do
        kill "$pid" 2>/dev/null
    done
    stop_xvfb
    rm -rf "$work"
}
trap cleanup EXIT

# Reports, keeps a picture of the screen and the program's output, and ends
# the case.
fail() {
    echo "$case_name: $*" >&2
    if [ -n "${DISPLAY:-}" ] && command -v import >/dev/null; then
        mkdir -p "$shots"
        import -window root "$shots/$case_name-failure.png" 2>/dev/null \
            && echo "$case_name: screen kept in $shots/$case_name-failure.png" >&2
    fi
    [ -s "$work/vantrel.log" ] && sed 's/^/  vantrel: /' "$work/vantrel.log" >&2
    exit 1
}

source "$(dirname "${BASH_SOURCE[0]}")/../xvfb_support.sh"

for tool in xdotool xprop xwininfo openbox import; do
    command -v "$tool" >/dev/null || fail "$tool is not installed"
done

# Xvfb and openbox; with "tray", a notification area in the top right corner.
start_desktop() {
    start_xvfb
    openbox --sm-disable >"$work/openbox.log" 2>&1 &
    helper_pids+=($!)
    wait_for 20 window_manager_running || fail "openbox did not start"
    if [ "${1:-}" = tray ]; then
        start_trayer
    fi
}

# A notification area (trayer) in the top right corner; sets $trayer_pid.
start_trayer() {
    command -v trayer >/dev/null || fail "trayer is not installed"
    # Now and then, on a busy machine, trayer runs but never maps its
    # window; another one started then does.
    local try
    for try in 1 2 3; do
        trayer --edge top --align right --widthtype request --height 24 --SetDockType true \
            >"$work/trayer.log" 2>&1 &
        trayer_pid=$!
        helper_pids+=($trayer_pid)
        wait_for 10 xdotool search --onlyvisible --class trayer >/dev/null && return
        kill "$trayer_pid" 2>/dev/null
        wait "$trayer_pid" 2>/dev/null
    done
    fail "trayer did not start: $(cat "$work/trayer.log")"
}

# Ends the notification area that start_trayer started.
stop_trayer() {
    kill "$trayer_pid" 2>/dev/null
    wait "$trayer_pid" 2>/dev/null
}

window_manager_running() {
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'
}

# Starts the program from a copy beside a settings file with the options
# given (see settings_writer) and waits for its main window to exist.
start_vantrel() {
    mkdir -p "$work/app"
    cp "$binary" "$work/app/vantrel" || fail "cannot copy $binary"
    "$settings_writer" "$work/app/vantrel.dat" "$@" || fail "cannot write the settings file"
    printf '%s\n' 'leak:libdbus-1.so' 'leak:libfontconfig.so' >"$work/lsan.supp"
    # Without a session bus Qt puts its icon into the X notification area.
    (cd "$work" && exec env -u DBUS_SESSION_BUS_ADDRESS QT_QPA_PLATFORM=xcb \
        LSAN_OPTIONS="suppressions=$work/lsan.supp" "$work/app/vantrel") >"$work/vantrel.log" 2>&1 &
    app_pid=$!
    wait_for 30 find_main_window || fail "the main window was not created"
}

# The main window: the program's largest window called "Vantrel" (the icon
# and Qt's helper windows carry the name too). Sets $main.
find_main_window() {
    main=$(program_windows | awk '$2 >= 200 && $4 == "Vantrel" { print $1; exit }')
    [ -n "$main" ]
}

# The search window, once it is mapped. Sets $find.
find_search_window() {
    find=$(program_windows | awk '$3 == "IsViewable" && $4 == "Search" { print $1; exit }')
    [ -n "$find" ]
}

# "<id> <width> <map state> <title>" for each window of the program.
program_windows() {
    local id
    for id in $(xdotool search --classname '^vantrel$' 2>/dev/null); do
        xwininfo -id "$id" 2>/dev/null | awk -v id="$id" -v title="$(window_title "$id")" '
            /Width:/ { width = $2 } /Map State:/ { state = $3 }
            END { if (width != "") print id, width, state, title }'
    done
}

window_title() {
    xprop -id "$1" _NET_WM_NAME 2>/dev/null | sed -n 's/^_NET_WM_NAME(UTF8_STRING) = "\(.*\)"$/\1/p'
}

map_state() {
    xwininfo -id "$1" 2>/dev/null | awk '/Map State:/ { print $3 }'
}

is_mapped() {
    [ "$(map_state "$1")" = IsViewable ]
}

is_unmapped() {
    [ "$(map_state "$1")" = IsUnMapped ]
}

# Unmapped now and for the next $2 seconds: a window that is hidden and then
# mapped again by mistake is unmapped only for a moment.
stays_unmapped() {
    wait_for 20 is_unmapped "$1" || return 1
    ! wait_for "$2" is_mapped "$1"
}

# _NET_WM_STATE as the window manager keeps it, e.g. "HIDDEN MAXIMIZED_VERT".
net_wm_state() {
    xprop -id "$1" _NET_WM_STATE 2>/dev/null | sed -e 's/.*=//' -e 's/_NET_WM_STATE_//g' -e 's/,//g'
}

has_state() {
    net_wm_state "$1" | grep -qw "$2"
}

lacks_state() {
    ! net_wm_state "$1" | grep -qw "$2"
}

is_maximized() {
    has_state "$1" MAXIMIZED_VERT && has_state "$1" MAXIMIZED_HORZ
}

is_normal() {
    is_mapped "$1" && lacks_state "$1" MAXIMIZED_VERT && lacks_state "$1" HIDDEN
}

# The program's icon embedded in the notification area. Sets $icon.
find_tray_icon() {
    icon=$(program_windows | awk '$2 < 64 && $3 == "IsViewable" && $4 == "Vantrel" { print $1; exit }')
    [ -n "$icon" ]
}

# Whether any pixel of the window's area on the screen is not black.
shows_something() {
    local brightest
    brightest=$(import -window "$1" png:- 2>/dev/null | convert - -format '%[fx:maxima]' info: 2>/dev/null)
    [ -n "$brightest" ] && [ "$brightest" != 0 ]
}

# Keys to the window that has the input focus, once the window has it.
keys_to() {
    local window=$1
    shift
    xdotool windowactivate --sync "$window" >/dev/null 2>&1 || xdotool windowfocus --sync "$window"
    xdotool key --clearmodifiers "$@"
}
