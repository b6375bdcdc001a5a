#!/usr/bin/env bash
# Told to end by a signal (SIGTERM at a logout, SIGHUP when its terminal
# goes), the program ends as Exit ends it: with exit code 0, and with the
# settings changed in the run kept in its file. When its display goes, Qt
# ends it at once, and the settings are kept still.
case_name=end_signals
source "$(dirname "$0")/desktop_support.sh"

find_settings_dialog() {
    dialog=$(program_windows | awk '$3 == "IsViewable" && $4 == "Settings" { print $1; exit }')
    [ -n "$dialog" ]
}

no_settings_dialog() {
    ! find_settings_dialog
}

"$settings_writer" "$work/expected.dat" UseTray=0 FlatButtons=0 || fail "cannot write the expected settings"
# What ends the run, and the exit code it must end with ("-": Qt's own).
endings=("TERM 0" "HUP 0" "display -")
for row in "${endings[@]}"; do
    read -r ending expected_status <<<"$row"
    start_desktop
    start_vantrel UseTray=0
    wait_for 20 is_mapped "$main" || fail "$ending: the main window was not shown"
    keys_to "$main" F7
    wait_for 20 find_settings_dialog || fail "$ending: the settings did not open"
    # The Other page, and its first box: Flat Buttons, on by default.
    keys_to "$dialog" ctrl+Tab Tab space Escape
    wait_for 20 no_settings_dialog || fail "$ending: the settings did not close"
    if [ "$ending" = display ]; then
        stop_xvfb
    else
        kill -s "$ending" "$app_pid"
    fi
    wait_for 20 bash -c "! kill -0 $app_pid 2>/dev/null" || fail "$ending: the program did not end"
    wait "$app_pid"
    status=$?
    app_pid=
    [ "$expected_status" = - ] || [ "$status" -eq "$expected_status" ] \
        || fail "$ending: the program ended with exit code $status"
    cmp -s "$work/app/vantrel.dat" "$work/expected.dat" || fail "$ending: the settings file lacks the change"
    stop_xvfb
done
echo "$case_name: passed"
