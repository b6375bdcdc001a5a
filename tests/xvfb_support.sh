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
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp "$@" 3>"$work/display" 2>"$work/xvfb.log" &
    xvfb_pid=$!
    wait_for 20 test -s "$work/display" || fail "Xvfb did not start"
    export DISPLAY=":$(head -n1 "$work/display")"
}
