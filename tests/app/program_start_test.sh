#!/bin/sh
# Starts the real program in a scratch copy of its folder: the window and its
# title, the settings file written at exit, one copy at a time, a stale lock,
# a file on the command line, and the registration switches.
set -u
PROGRAM="$1"
. "$(dirname "$0")/../support/poll.sh"
WORK=$(mktemp -d)
export XDG_RUNTIME_DIR="$WORK/run"
mkdir -m 700 "$XDG_RUNTIME_DIR"
export SDL_AUDIODRIVER=dummy
cp "$PROGRAM" "$WORK/vellmor"
cd "$WORK"
fail() { echo "FAIL: $*"; [ -n "${PID:-}" ] && kill -9 "$PID" 2>/dev/null; exit 1; }

# Echoes the id of the visible clock window; status 1 while there is none yet,
# 2 when the clock ($PID) has already ended.
clock_window() {
    id=$(xdotool search --onlyvisible --name '^Vellmor$' 2>/dev/null | head -1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    kill -0 "$PID" 2>/dev/null || return 2
    return 1
}
wait_window() {
    poll_until "$POLL_SECONDS" clock_window && return 0
    [ $? -eq 2 ] && echo "the clock ended without a window" >&2 ||
        echo "no window within $POLL_SECONDS s" >&2
    return 1
}
count_windows() { xdotool search --onlyvisible --name '^Vellmor$' 2>/dev/null | wc -l; }

# Registration switches end at once with status 0, with or without a display.
env -u DISPLAY ./vellmor /RegServer; [ $? -eq 0 ] || fail "/RegServer status"
env -u DISPLAY ./vellmor -unregserver; [ $? -eq 0 ] || fail "-unregserver status"
[ -e vellmor.ini ] && fail "a registration run wrote settings"

./vellmor & PID=$!
WIN=$(wait_window) || fail "no window titled Vellmor"
[ "$(xdotool getwindowname "$WIN")" = "Vellmor" ] || fail "title"

# A second copy ends by itself (it never enters its main loop) with status 0
# and shows nothing.
timeout "$POLL_SECONDS" ./vellmor; status=$?
[ $status -ne 124 ] || fail "second copy still running after $POLL_SECONDS s"
[ $status -eq 0 ] || fail "second copy status $status"
[ "$(count_windows)" -eq 1 ] || fail "second copy showed a window"

# Closing (SIGTERM) saves the settings in the program's own file.
kill -TERM $PID; wait $PID; status=$?
[ $status -eq 0 ] || fail "exit status $status after SIGTERM"
iconv -f CP932 -t UTF-8 vellmor.ini | grep -q '^City=横浜$' || fail "settings not saved"

# A copy that crashed leaves its lock behind; the next start is not blocked.
./vellmor & PID=$!
wait_window >/dev/null || fail "restart"
kill -9 $PID; wait $PID 2>/dev/null
echo "any text" > notes.txt
./vellmor notes.txt & PID=$!
WIN=$(wait_window) || fail "start after a crash, with a file argument"
[ "$(xdotool getwindowname "$WIN")" = "Vellmor" ] || fail "title with a file argument"
kill -TERM $PID; wait $PID

# A renamed copy keeps its own settings file.
cp vellmor other-clock
./other-clock & PID=$!
wait_window >/dev/null || fail "renamed copy"
kill -TERM $PID; wait $PID
[ -s other-clock.ini ] || fail "renamed copy did not use its own settings file"

cd / && rm -rf "$WORK"
echo PASS
