#!/bin/bash
# A machine suspended from the 5th of one month to the 5th of the next: the
# clock wakes on a new date with the same day of the month and takes the new
# date's table. At 横浜 明六つ半 begins at 07:11 on 2006-01-05 and at 07:03 on
# 2006-02-05; woken on 2006-02-05 at 07:00:4x, the bell strikes the half toki
# once at 07:03 and the toki picture turns to 明六つ半.
. "$(dirname "$0")/clock_harness.sh" "$@"

HALF_TOKI=140   # 07:03:00 of the new date, seconds after the start
E2E_MOVABLE_TIME=1
scratch_display
e2e_start_clock "2006-01-05 07:00:40"
WIN=$(e2e_wait_window Vellmor) || fail "no window titled Vellmor"

# Suspended, the clock moved on by a month, woken; all before 07:01:00, the
# first tick that can notice the new date.
kill -STOP "$CLOCK_PID"
e2e_move_clock $((31 * 24 * 3600))
sleep 1
kill -CONT "$CLOCK_PID"
woke=$(e2e_offset_now)
awk -v t="$woke" 'BEGIN { exit !(t < 18) }' || fail "woke at $woke s, too late to test"

e2e_sleep_until $((HALF_TOKI - 5))
e2e_shot "$WIN" before
e2e_view_origin "$SCRATCH/before.png"
e2e_sleep_until $((HALF_TOKI + 4))
e2e_shot "$WIN" after
for check in "before 6" "after 7"; do
    set -- $check
    toki=$(e2e_frame_shown "$SCRATCH/$1.png" 5 94 31 54 toki.png) || fail "$1: no toki picture"
    [ "$toki" -eq "$2" ] || fail "$1: toki picture $toki, expected $2"
done

e2e_sleep_until $((HALF_TOKI + 10))
e2e_stop_clock
# The offset of the time file is whole seconds, so the clock's seconds turn
# with the real ones: its 07:03:00 comes the fraction of T0's second before
# HALF_TOKI. The first stroke follows the boundary by 1.6 s.
strike=$(awk -v t0="$T0" -v at="$HALF_TOKI" 'BEGIN { printf "%.3f", at + 1.6 - (t0 - int(t0)) }')
e2e_expect_onsets 20 $((HALF_TOKI + 10)) 1 "$strike"
