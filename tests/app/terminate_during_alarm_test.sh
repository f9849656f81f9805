#!/bin/sh
# Asked to end (SIGTERM) while the alarm's message box waits for OK, the clock
# closes the box, saves its settings and exits with status 0.
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
printf '[Alarm]\nEnable=1\nHour=12\nMinutes=1\n' > vellmor.ini

# The clock itself must get the signal, so libfaketime is preloaded rather
# than started through its wrapper. Its clock starts with the process and the
# alarm needs the tick of 12:01:00: the start leaves 20 s for the window to
# come up on a busy machine.
LD_PRELOAD=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1 \
FAKETIME='@2006-01-01 12:00:40' FAKETIME_DONT_FAKE_MONOTONIC=1 TZ=Asia/Tokyo \
    ./vellmor & PID=$!

# The clock's window and the alarm box, two windows of the program.
alarm_box_shown() {
    [ "$(xdotool search --onlyvisible --classname vellmor 2>/dev/null | wc -l)" -ge 2 ] && return 0
    kill -0 $PID 2>/dev/null || return 2
    return 1
}
poll_until "$POLL_SECONDS" alarm_box_shown || fail "no alarm box"

kill -TERM $PID
clock_ended() { ! kill -0 $PID 2>/dev/null; }
poll_until "$POLL_SECONDS" clock_ended || fail "still running $POLL_SECONDS s after SIGTERM"
wait $PID; status=$?
[ $status -eq 0 ] || fail "exit status $status"
grep -q '^Chime=3' vellmor.ini || fail "settings not saved"
cd / && rm -rf "$WORK"
echo PASS
