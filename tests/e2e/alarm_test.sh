#!/bin/bash
# The alarm, enabled in the settings file for 10:01, rings at 10:01:00: the
# looping alarm sound plays and the message box "アラーム時刻です" stays open,
# with the digital time advancing behind it, until OK is pressed; then the
# sound stops.
. "$(dirname "$0")/clock_harness.sh" "$@"

# Started 30 s early: the clock must be ticking before 10:01:00, even on a
# busy machine.
ALARM=30  # 10:01:00
printf '[Alarm]\r\nEnable=1\r\nHour=10\r\nMinutes=1\r\n' >"$INI"
scratch_display
e2e_start_clock "2006-01-01 10:00:30"
WIN=$(e2e_wait_window Vellmor) || fail "no window titled Vellmor"
e2e_wait_painted "$WIN" first
e2e_expect_before "$ALARM" "the first paint"
BOX=$(e2e_wait_window "アラーム時刻です") || fail "no alarm box"
# Not before its minute; when it sounded is checked on the recording below.
at=$(e2e_offset_now)
awk -v at="$at" -v alarm="$ALARM" 'BEGIN { exit !(at > alarm - 0.5) }' ||
    fail "alarm box at $at s, before the alarm at $ALARM s"
# Without a window manager the box may cover the clock: move it aside.
xdotool windowmove "$BOX" 300 300

e2e_sleep_until $((ALARM + 3))
e2e_shot "$WIN" behind1
e2e_view_origin "$SCRATCH/behind1.png"
time_moved() {
    e2e_shot "$WIN" behind2 || return 1
    [ "$(e2e_differing "$SCRATCH/behind1.png" "$SCRATCH/behind2.png" 50 38 125 24)" -gt 10 ]
}
poll_until 10 time_moved || fail "the digital time stood still behind the alarm box"

e2e_sleep_until $((ALARM + 7))
[ "$(xdotool getwindowname "$BOX" 2>/dev/null)" = "アラーム時刻です" ] || fail "box closed by itself"
# GTK takes keys only in the focused window.
xdotool windowfocus --sync "$BOX"
xdotool key Return
OK=$(e2e_offset_now)
e2e_wait_gone "$BOX" || fail "OK did not close the alarm box"

e2e_sleep_until $((ALARM + 11))
e2e_stop_clock
# pipi.wav is two beeps 0.15 s apart, one loop a second: while the box was
# open, onsets come in pairs 0.15 s apart, pairs 1 s apart; none after OK.
sounds=$(e2e_onsets_between $((ALARM - 2)) 1000 | tr '\n' ' ')
echo "sounds from $((ALARM - 2)) s: [ $sounds], OK pressed at $OK s"
awk -v got="$sounds" -v ok="$OK" -v alarm="$ALARM" 'BEGIN {
    n = split(got, g, " ")
    if (n == 0 || g[1] < alarm - 0.3 || g[1] > alarm + 1) exit 1  # with the alarm
    for (i = 2; i <= n; i++) {
        if (g[i] > ok + 0.3) exit 1                    # stops at OK
        gap = g[i] - g[i - 1]
        want = (i % 2 == 0) ? 0.15 : 0.85
        if (gap < want - 0.12 || gap > want + 0.12) exit 1
    }
    if (n < 2 * int(ok - g[1] - 0.3)) exit 1          # loops until OK
}' || fail "not the alarm sound looping from $ALARM s until OK"
