# Sourced after poll.sh by the tests that bring an X server of their own.
#
# The display number is taken with the X lock file (/tmp/.X<n>-lock), as
# xvfb-run -a and every server given a number take theirs. A server started
# with -displayfd takes no lock, so on a busy machine another test's
# xvfb-run could start a second server on the same number and take over its
# socket: clients then fail to connect.

# own_display_start [XVFB ARGS...]: starts Xvfb on a free display, waits until
# it answers, exports DISPLAY and sets OWN_DISPLAY_PID. Returns 1 when no
# server could be started.
own_display_start() {
    _own_n=$((200 + $$ % 500))
    _own_tries=0
    while [ "$_own_tries" -lt 20 ]; do
        Xvfb ":$_own_n" -noreset -nolisten tcp "$@" >/dev/null 2>&1 &
        OWN_DISPLAY_PID=$!
        if poll_until "$POLL_SECONDS" own_display_answers "$_own_n"; then
            export DISPLAY=":$_own_n"
            return 0
        fi
        # Taken by another server (ours ended at once), or ours never answered.
        kill "$OWN_DISPLAY_PID" 2>/dev/null || true
        wait "$OWN_DISPLAY_PID" 2>/dev/null || true
        _own_n=$((_own_n + 1))
        _own_tries=$((_own_tries + 1))
    done
    return 1
}

# own_display_answers N: 0 once our server holds the lock of display N and
# accepts a client, 1 before, 2 when our server has ended (the number was
# taken). The lock names the server that owns the number; without that check a
# client could reach another server that already had it.
own_display_answers() {
    kill -0 "$OWN_DISPLAY_PID" 2>/dev/null || return 2
    [ "$( { tr -d ' ' <"/tmp/.X$1-lock"; } 2>/dev/null)" = "$OWN_DISPLAY_PID" ] || return 1
    DISPLAY=":$1" xdotool getdisplaygeometry >/dev/null 2>&1 || return 1
}
