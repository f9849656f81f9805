#!/bin/bash
# A toki alarm that only notifies: 明六つ (06:15 at the default place on
# 2006-01-01) plus 10 minutes, with a label. At 06:25 the desktop's
# notification service (a stand-in on a session bus of the test's own) is
# asked to show the label, with the moment and its clock time as the body;
# nothing sounds. A second alarm, switched off, says nothing.
. "$(dirname "$0")/clock_harness.sh" "$@"

command -v dbus-daemon >/dev/null && /usr/bin/python3 -c 'import dbus, gi' 2>/dev/null ||
    skip "dbus-daemon, python3-dbus or python3-gi missing (scripts/install-deps.sh)"

ALARM=20  # 06:25:00
label=$(printf '散歩' | iconv -f UTF-8 -t CP932)
printf '%s\r\n' "[Toki Alarm 1]" "Toki=6" "Offset=10" "Sound=2" "Label=$label" \
    "[Toki Alarm 2]" "Toki=6" "Offset=10" "Sound=2" "Enable=0" "Label=off" >"$INI"

# A session bus and the notification service on it.
dbus-daemon --session --nofork --print-address=3 3>"$SCRATCH/bus" 2>"$SCRATCH/dbus.txt" &
scratch_track $!
bus_up() { [ -s "$SCRATCH/bus" ]; }
poll_until "$POLL_SECONDS" bus_up || fail "no session bus"
export DBUS_SESSION_BUS_ADDRESS=$(head -1 "$SCRATCH/bus")
NOTES="$SCRATCH/notifications.log"
: >"$NOTES"
/usr/bin/python3 "$(dirname "$0")/notification_standin.py" "$NOTES" 2>"$SCRATCH/standin.txt" &
scratch_track $!
standin_up() {
    dbus-send --session --print-reply --dest=org.freedesktop.Notifications \
        /org/freedesktop/Notifications org.freedesktop.Notifications.GetCapabilities \
        >/dev/null 2>&1
}
poll_until "$POLL_SECONDS" standin_up || fail "the notification stand-in did not start"

scratch_display
e2e_start_clock "2006-01-01 06:24:40"
WIN=$(e2e_wait_window Vellmor) || fail "no window titled Vellmor"
e2e_wait_painted "$WIN" first
e2e_expect_before "$ALARM" "the first paint"
e2e_sleep_until $((ALARM - 2))
[ ! -s "$NOTES" ] || fail "a notification before 06:25: $(cat "$NOTES")"
notified() { [ -s "$NOTES" ]; }
poll_until 30 notified || fail "no notification at 06:25"
at=$(e2e_offset_now)
awk -v at="$at" -v due="$ALARM" 'BEGIN { exit !(at > due - 0.5) }' ||
    fail "notified at $at s, before its minute at $ALARM s"
e2e_sleep_until $((ALARM + 8))
e2e_stop_clock

[ "$(cat "$NOTES")" = "$(printf 'Vellmor\t散歩\t明六つの10分後 (06:25)\t0\t1')" ] ||
    fail "not one notification of the label and the moment: $(cat "$NOTES")"
e2e_expect_onsets 0 $((ALARM + 8)) 1
