#!/bin/bash
# A toki alarm that only notifies: 明六つ (06:15 at the default place on
# 2006-01-01) plus 10 minutes, with a label. At 06:25 the desktop's
# notification service (a stand-in on a session bus of the test's own) is
# asked to show the label, with the moment and its clock time as the body;
# nothing sounds. A second alarm, switched off, says nothing.
. "$(dirname "$0")/clock_harness.sh" "$@"

ALARM=20  # 06:25:00
label=$(printf '散歩' | iconv -f UTF-8 -t CP932)
printf '%s\r\n' "[Toki Alarm 1]" "Toki=6" "Offset=10" "Sound=2" "Label=$label" \
    "[Toki Alarm 2]" "Toki=6" "Offset=10" "Sound=2" "Enable=0" "Label=off" >"$INI"

# A session bus and the notification service on it.
. "$(dirname "$0")/notification_bus.sh"

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
