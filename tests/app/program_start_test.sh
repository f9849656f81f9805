#!/bin/sh
# Starts the real program in a scratch copy of its folder: the window and its
# title, the settings file written at exit, one copy at a time, a stale lock,
# a file on the command line, and the registration switches.
set -u
. "$(dirname "$0")/../support/scratch_clock.sh"
scratch_begin program-start "$1"
scratch_display
cd "$SCRATCH" || exit 1

# start ARGS...: starts ./vellmor (or another copy) in the background as $PID.
start() { "$@" & PID=$!; scratch_track $PID; }
wait_window() { scratch_expect_window "$PID" "$1"; }
stop() { scratch_expect_stop "$PID" "$1"; }

# Registration switches end at once with status 0, with or without a display.
env -u DISPLAY ./vellmor /RegServer; [ $? -eq 0 ] || fail "/RegServer status"
env -u DISPLAY ./vellmor -unregserver; [ $? -eq 0 ] || fail "-unregserver status"
[ -e vellmor.ini ] && fail "a registration run wrote settings"

start ./vellmor
WIN=$(wait_window "first start") || exit 1
[ "$(xdotool getwindowname "$WIN")" = "Vellmor" ] || fail "title"

# A second copy ends by itself (it never enters its main loop) with status 0
# and shows nothing.
timeout "$POLL_SECONDS" ./vellmor; status=$?
[ $status -ne 124 ] || fail "second copy still running after $POLL_SECONDS s"
[ $status -eq 0 ] || fail "second copy status $status"
[ "$(scratch_windows | wc -l)" -eq 1 ] || fail "second copy showed a window"

# Closing (SIGTERM) saves the settings in the program's own file.
stop "first start"
iconv -f CP932 -t UTF-8 vellmor.ini | grep -q '^City=横浜$' || fail "settings not saved"

# A copy that crashed leaves its lock behind; the next start is not blocked.
start ./vellmor
wait_window restart >/dev/null || exit 1
kill -9 $PID
scratch_wait_exit $PID || fail "still running after SIGKILL"
echo "any text" > notes.txt
start ./vellmor notes.txt
WIN=$(wait_window "start after a crash, with a file argument") || exit 1
[ "$(xdotool getwindowname "$WIN")" = "Vellmor" ] || fail "title with a file argument"
stop "with a file argument"

# A file whose name is that of a switch is a file: only a whole argument
# is a switch here.
mkdir -p "$SCRATCH/notes"
echo "any text" > "$SCRATCH/notes/regserver"
start ./vellmor "$SCRATCH/notes/regserver"
wait_window "a file named regserver" >/dev/null || exit 1
stop "a file named regserver"

# A renamed copy keeps its own settings file.
cp vellmor other-clock
start ./other-clock
wait_window "renamed copy" >/dev/null || exit 1
stop "renamed copy"
[ -s other-clock.ini ] || fail "renamed copy did not use its own settings file"
cd /
