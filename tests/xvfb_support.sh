# Shared by the tests that run on an X server of their own; sourced, not run.
# The caller sets $work (a scratch folder) and defines fail() before it.

# Polls a condition every 0.1 s for at most $1 seconds.
wait_for() {
    local seconds=$1
    shift
    local tries=$((seconds * 10))
    while [ "$tries" -gt 0 ]; do
        "$@" && return 0
        sleep 0.1
        tries=$((tries - 1))
    done
    return 1
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
