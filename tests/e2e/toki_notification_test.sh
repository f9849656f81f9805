#!/bin/bash
# "ときをお知らせ": a desktop notification at each toki that chimes, asked of
# the desktop's notification service (a stand-in on a session bus of the
# test's own), each replacing the one before. The default place on
# 2006-01-01: 暮六つ at 17:15, 暮六つ半 at 18:20, 夜五つ at 19:25. Quiet
# hours from 夜五つ silence its notification, but not a toki alarm that
# notifies at that minute; it too replaces the clock's last notification.
# The clock's time jumps ahead between the boundaries: a clock that finds
# itself in a new minute locates the toki afresh, and the next boundary two
# minutes on is reached as ever.
. "$(dirname "$0")/clock_harness.sh" "$@"

label=$(printf '散歩' | iconv -f UTF-8 -t CP932)
printf '%s\r\n' "[Time System]" "QuietFrom=20" "QuietTo=6" "[Time Display]" "Notify=1" \
    "[Toki Alarm 1]" "Toki=20" "Offset=0" "Sound=2" "Label=$label" >"$INI"

. "$(dirname "$0")/notification_bus.sh"

# move_clock_to INSTANT: the running clock's time jumps to INSTANT.
move_clock_to() {
    now=$(($(date +%s) + $(cat "$TIME_FILE")))
    e2e_move_clock $(($(date -d "$1" +%s) - now))
}

# expect_notes LINE...: the service was asked exactly these, in order.
expect_notes() {
    printf '%s\n' "$@" >"$SCRATCH/expected.log"
    cmp -s "$SCRATCH/expected.log" "$NOTES" ||
        fail "notifications: $(cat "$NOTES"); expected: $(cat "$SCRATCH/expected.log")"
}

first=$(printf 'Vellmor\t暮六つ（酉）\t17:15 — 次は 暮六つ半 18:20\t0\t1')
second=$(printf 'Vellmor\t暮六つ半（酉>戌）\t18:20 — 次は 夜五つ 19:25\t1\t1')
alarm=$(printf 'Vellmor\t散歩\t夜五つ (19:25)\t1\t1')

scratch_display
E2E_MOVABLE_TIME=1
e2e_start_clock "2006-01-01 17:13:45"
e2e_wait_window Vellmor >/dev/null || fail "no window titled Vellmor"
e2e_expect_before 15 "the window"
poll_until 100 notes_reach 1 || fail "no notification at 暮六つ"
expect_notes "$first"

move_clock_to "2006-01-01 18:18:50"
poll_until 100 notes_reach 2 || fail "no notification at 暮六つ半"
expect_notes "$first" "$second"

move_clock_to "2006-01-01 19:23:50"
poll_until 100 notes_reach 3 || fail "no notification of the toki alarm at 夜五つ"
sleep 5  # 夜五つ's own notification would follow in the same tick
e2e_stop_clock
expect_notes "$first" "$second" "$alarm"
