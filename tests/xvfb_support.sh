# Shared by the tests that run on an X server of their own; sourced, not run.
# The caller sets $work (a scratch folder) and defines fail() before it.

# Polls a condition every 0.1 s for at most $1 seconds, however long each
# try of the condition takes on a busy machine.
wait_for() {
    local deadline=$((SECONDS + $1))
    shift
    while true; do
        "$@" && return 0
        [ "$SECONDS" -ge "$deadline" ] && return 1
        sleep 0.1
    done
}

# Starts Xvfb on a display number it picks itself, sets xvfb_pid and exports
# DISPLAY once the server is ready. Extra arguments go to Xvfb.
start_xvfb() {
    command -v Xvfb >/dev/null || fail "Xvfb is not installed (package xvfb)"
    # A number left by an earlier server must not be taken for the new one's.
    rm -f "$work/display"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp "$@" 3>"$work/display" 2>"$work/xvfb.log" &
    xvfb_pid=$!
    wait_for 20 test -s "$work/display" || fail "Xvfb did not start"
    export DISPLAY=":$(head -n1 "$work/display")"
}

# Ends the Xvfb that start_xvfb started, if any.
stop_xvfb() {
    [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    xvfb_pid=
}

# Closes the program's main window with Ctrl+X as a user would, and fails
# unless the program ($app_pid) then ends by itself with exit code 0.
close_with_ctrl_x() {
    local window status
    command -v xdotool >/dev/null || fail "xdotool is not installed"
    window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Vantrel$' | head -n1)
    [ -n "$window" ] || fail "the main window did not appear"
    timeout 10 xdotool windowfocus --sync "$window" || fail "could not focus the main window"
    xdotool key --clearmodifiers ctrl+x
    wait_for 20 bash -c "! kill -0 $app_pid 2>/dev/null" || fail "the program did not end after Ctrl+X"
    wait "$app_pid"
    status=$?
    app_pid=
    [ "$status" -eq 0 ] || fail "the program ended with exit code $status"
}
