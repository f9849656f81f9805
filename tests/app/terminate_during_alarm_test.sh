#!/bin/sh
# Asked to end (SIGTERM) while the alarm's message box waits for OK, the clock
# closes the box, saves its settings and exits with status 0.
set -u
. "$(dirname "$0")/../support/scratch_clock.sh"
scratch_begin terminate-during-alarm "$1"
scratch_display
cd "$SCRATCH" || exit 1
printf '[Alarm]\nEnable=1\nHour=12\nMinutes=1\n' > vellmor.ini

# The clock itself must get the signal, so libfaketime is preloaded rather
# than started through its wrapper. Its clock starts with the process and the
# alarm needs the tick of 12:01:00: the start leaves 20 s for the window to
# come up on a busy machine.
LD_PRELOAD="$SCRATCH_FAKETIME_LIB" \
FAKETIME='@2006-01-01 12:00:40' FAKETIME_DONT_FAKE_MONOTONIC=1 TZ=Asia/Tokyo \
    ./vellmor & PID=$!
scratch_track $PID

# The clock's window and the alarm box, two windows of the program.
alarm_box_shown() {
    [ "$(scratch_windows | wc -l)" -ge 2 ] && return 0
    scratch_running $PID || return 2
    return 1
}
poll_until "$POLL_SECONDS" alarm_box_shown || fail "no alarm box"

scratch_stop $PID || fail "still running $POLL_SECONDS s after SIGTERM"
[ "$EXIT_STATUS" -eq 0 ] || fail "exit status $EXIT_STATUS"
grep -q '^Chime=3' vellmor.ini || fail "settings not saved"
cd /
