# Sourced (sh or bash) by the scripts that run the real program: a scratch
# copy of it in a folder of its own, a user of its own (HOME, XDG folders),
# an X server of its own with a window manager when asked, and a trap that
# ends every process started here and removes the folder when the script
# ends. The folder is kept, and named, when the script fails.
#
#   . tests/support/scratch_clock.sh
#   scratch_begin NAME [PROGRAM]   folder $SCRATCH; PROGRAM copied to $SCRATCH_CLOCK
#   scratch_display [XVFB ARGS]    an X server on a free display, DISPLAY exported
#   scratch_window_manager         openbox on it, ready for keys
#   PROG & scratch_track $!        ended at exit if still running
#   scratch_stop PID               SIGTERM, as a desktop ends a program
#
# Something the program does (a window shows, a box opens, the process ends)
# is waited for by polling against a deadline in wall-clock seconds, never by a
# fixed delay or a count of tries: on a busy machine (CI has two cores shared
# by parallel tests) a GTK program can take many seconds to show its window.

# A generous bound, in seconds, for anything that comes "at once".
POLL_SECONDS=60

SCRATCH=""
SCRATCH_CLOCK=""
SCRATCH_PIDS=""      # programs started by the script, killed at exit
SCRATCH_WM_PID=""
SCRATCH_XVFB_PID=""
# Said on stdout when the script succeeds; empty for none.
SCRATCH_PASS_MESSAGE=PASS
SCRATCH_FAKETIME_LIB=$(ls /usr/lib/*/faketime/libfaketime.so.1 2>/dev/null | head -1)

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

# fail MESSAGE: ends the script with status 1.
fail() {
    # What the screen showed, kept with the scratch folder.
    [ -n "${SCRATCH:-}" ] && [ -n "${DISPLAY:-}" ] &&
        import -window root "$SCRATCH/failure.png" 2>/dev/null
    echo "FAIL: $*" >&2
    exit 1
}

# scratch_begin NAME [PROGRAM]: makes the folder $SCRATCH (/tmp/vellmor-NAME.*)
# with a home and a runtime folder of its own, and copies PROGRAM into it as
# $SCRATCH_CLOCK ($SCRATCH/vellmor), so that its settings file is
# $SCRATCH/vellmor.ini. GTK talks X11 to our server, sounds go nowhere.
scratch_begin() {
    SCRATCH=$(mktemp -d "/tmp/vellmor-$1.XXXXXX")
    trap scratch_end EXIT
    trap 'exit 129' HUP
    trap 'exit 130' INT
    trap 'exit 143' TERM
    export HOME="$SCRATCH/home"
    export XDG_CONFIG_HOME="$HOME/.config" XDG_CACHE_HOME="$HOME/.cache"
    export XDG_RUNTIME_DIR="$SCRATCH/run"
    mkdir -p "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    export SDL_AUDIODRIVER=dummy NO_AT_BRIDGE=1 GDK_BACKEND=x11
    unset WAYLAND_DISPLAY
    if [ $# -ge 2 ]; then
        SCRATCH_CLOCK="$SCRATCH/vellmor"
        cp "$2" "$SCRATCH_CLOCK"
    fi
}

# skip MESSAGE: ends the script with status 77, ctest's "skipped" (the test
# sets SKIP_RETURN_CODE 77), when something the test needs is missing here.
skip() {
    echo "SKIP: $*"
    exit 77
}

# The EXIT trap: kills what is still running, the X server last, and removes
# the folder when the script succeeded or skipped.
scratch_end() {
    _scratch_status=$?
    for _scratch_pid in $SCRATCH_PIDS; do
        scratch_signal KILL "$_scratch_pid"
    done
    for _scratch_pid in $SCRATCH_WM_PID $SCRATCH_XVFB_PID; do
        scratch_signal TERM "$_scratch_pid"
    done
    wait 2>/dev/null || true
    if [ "$_scratch_status" -eq 77 ]; then
        rm -rf "$SCRATCH"
    elif [ "$_scratch_status" -eq 0 ]; then
        rm -rf "$SCRATCH"
        [ -z "$SCRATCH_PASS_MESSAGE" ] || echo "$SCRATCH_PASS_MESSAGE"
    else
        echo "the scratch folder is kept: $SCRATCH" >&2
    fi
}

# scratch_track PID: the process is killed at exit unless it has ended by then.
scratch_track() { SCRATCH_PIDS="$SCRATCH_PIDS $1"; }
scratch_untrack() {
    _scratch_left=""
    for _scratch_pid in $SCRATCH_PIDS; do
        [ "$_scratch_pid" = "$1" ] || _scratch_left="$_scratch_left $_scratch_pid"
    done
    SCRATCH_PIDS=$_scratch_left
}

# scratch_running PID: status 0 while PID is a running process that this
# script started. Once the shell has reaped a child that ended, the kernel may
# give its number to any new process (numbers wrap at 32768, within minutes on
# a busy machine), so a remembered number is taken as ours only while its
# parent is this script.
scratch_running() {
    [ -n "$1" ] || return 1
    _scratch_ps=$(ps -o ppid=,stat= -p "$1" 2>/dev/null) || return 1
    # shellcheck disable=SC2086
    set -- $_scratch_ps
    [ "$1" = "$$" ] && [ "${2#Z}" = "$2" ]
}
# scratch_ended PID: status 0 once the process has ended, 1 while it runs.
scratch_ended() { ! scratch_running "$1"; }
# scratch_signal SIGNAL PID: sends SIGNAL (TERM, KILL, ...) to the process
# while it is ours and running; never to another process given its number.
scratch_signal() {
    if scratch_running "$2"; then
        kill "-$1" "$2" 2>/dev/null || true
    fi
}

# scratch_wait_exit PID [SECONDS]: waits for the process to end, at most
# SECONDS ($POLL_SECONDS), and sets EXIT_STATUS; returns 1 while it still runs.
scratch_wait_exit() {
    poll_until "${2:-$POLL_SECONDS}" scratch_ended "$1" || return 1
    EXIT_STATUS=0
    wait "$1" 2>/dev/null || EXIT_STATUS=$?
    scratch_untrack "$1"
}

# scratch_stop PID [SECONDS]: ends the program as a desktop does (SIGTERM) and
# waits for it as scratch_wait_exit does.
scratch_stop() {
    scratch_signal TERM "$1"
    scratch_wait_exit "$@"
}

# scratch_display [XVFB ARGS...]: starts Xvfb on a free display, waits until it
# answers, and exports DISPLAY. Without arguments the screen is 800 x 600 in
# 24-bit colour (Xvfb's own default has 8 bits) and the server never resets,
# as a desktop's does not (by default it resets whenever its last client
# leaves). The number is taken with the X lock file
# (/tmp/.X<n>-lock), as xvfb-run -a and every server given a number take
# theirs: a server started with -displayfd takes no lock, so another test's
# xvfb-run could start a second server on the same number and take over its
# socket.
scratch_display() {
    [ $# -gt 0 ] || set -- -noreset -screen 0 800x600x24
    _scratch_n=$((200 + $$ % 500))
    _scratch_tries=0
    while [ "$_scratch_tries" -lt 20 ]; do
        Xvfb ":$_scratch_n" -nolisten tcp "$@" >>"$SCRATCH/xvfb.txt" 2>&1 &
        SCRATCH_XVFB_PID=$!
        if poll_until "$POLL_SECONDS" scratch_display_answers "$_scratch_n"; then
            export DISPLAY=":$_scratch_n"
            return 0
        fi
        # Taken by another server (ours ended at once), or ours never answered.
        scratch_signal TERM "$SCRATCH_XVFB_PID"
        wait "$SCRATCH_XVFB_PID" 2>/dev/null || true
        _scratch_n=$((_scratch_n + 1))
        _scratch_tries=$((_scratch_tries + 1))
    done
    fail "Xvfb did not start"
}

# scratch_display_answers N: 0 once our server holds the lock of display N and
# accepts a client, 1 before, 2 when our server has ended (the number was
# taken). The lock names the server that owns the number; without that check a
# client could reach another server that already had it.
scratch_display_answers() {
    scratch_running "$SCRATCH_XVFB_PID" || return 2
    [ "$( { tr -d ' ' <"/tmp/.X$1-lock"; } 2>/dev/null)" = "$SCRATCH_XVFB_PID" ] || return 1
    DISPLAY=":$1" xdotool getdisplaygeometry >/dev/null 2>&1 || return 1
}

# scratch_window_manager: openbox on the display, as on a desktop: it gives
# each new window the keyboard focus. Returns once it has taken charge of the
# screen.
scratch_window_manager() {
    poll_until "$POLL_SECONDS" scratch_window_manager_running ||
        fail "the window manager did not start"
}
# Starts openbox again when it has ended (it could not reach the display).
scratch_window_manager_running() {
    if ! scratch_running "$SCRATCH_WM_PID"; then
        openbox >>"$SCRATCH/openbox.txt" 2>&1 &
        SCRATCH_WM_PID=$!
    fi
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'
}

# The ids of the visible top-level windows of every copy of the program,
# renamed ones included (their X class is "Vellmor"), one a line.
scratch_windows() { xdotool search --onlyvisible --class '^Vellmor$' 2>/dev/null || true; }

# scratch_titled_window TITLE [PID]: echoes the id of the program's visible
# window with that title (Japanese titles included); status 1 while there is
# none, 2 when the program PID has already ended.
scratch_titled_window() {
    for _scratch_w in $(scratch_windows); do
        if [ "$(xdotool getwindowname "$_scratch_w" 2>/dev/null)" = "$1" ]; then
            echo "$_scratch_w"
            return 0
        fi
    done
    [ -z "${2:-}" ] || scratch_running "$2" || return 2
    return 1
}

# scratch_wait_window TITLE [PID] [SECONDS]: echoes the id of the window once it
# shows; status 1 when it did not within SECONDS ($POLL_SECONDS), 2 when the
# program ended first.
scratch_wait_window() {
    poll_until "${3:-$POLL_SECONDS}" scratch_titled_window "$1" "${2:-}"
}

# scratch_expect_window PID WHAT: echoes the id of the clock's window once it
# shows; fails the test, naming WHAT, when it does not or the clock ends first.
scratch_expect_window() {
    scratch_wait_window Vellmor "$1" && return 0
    [ $? -eq 2 ] && fail "the clock ended without a window ($2)"
    fail "no window titled Vellmor within $POLL_SECONDS s ($2)"
}

# scratch_expect_stop PID WHAT: ends the clock as a desktop does and expects
# status 0; fails the test, naming WHAT, otherwise.
scratch_expect_stop() {
    scratch_stop "$1" || fail "still running $POLL_SECONDS s after SIGTERM ($2)"
    [ "$EXIT_STATUS" -eq 0 ] || fail "exit status $EXIT_STATUS after SIGTERM ($2)"
}
