# Sourced by the tests that drive the real program from a shell (sh or bash).
#
# Something the program does (a window shows, a box opens, the process ends)
# is waited for by polling against a deadline in wall-clock seconds, never by a
# fixed delay or a count of tries: on a busy machine (CI has two cores shared
# by parallel tests) a GTK program can take many seconds to show its window.

# A generous bound, in seconds, for anything that comes "at once".
POLL_SECONDS=60

# poll_until SECONDS COMMAND [ARGS...]: runs COMMAND every 0.1 s until it
# succeeds (status 0). Status 1 means "not yet"; any other status gives up at
# once with that status (such as a process that has already ended). Returns 1
# when SECONDS have passed without success.
poll_until() {
    _poll_deadline=$(($(date +%s) + $1))
    shift
    while :; do
        _poll_status=0
        "$@" || _poll_status=$?
        [ "$_poll_status" -eq 1 ] || return "$_poll_status"
        [ "$(date +%s)" -lt "$_poll_deadline" ] || return 1
        sleep 0.1
    done
}
