#!/bin/bash
# The window at noon of 2006-01-01 at the default place (昼九つ, 午, since
# 11:45): titled "Vellmor", showing the face, the bell at rest, the branch
# and toki pictures of toki 12, and a digital time that advances.
. "$(dirname "$0")/clock_harness.sh" "$@"

scratch_display
e2e_start_clock "2006-01-01 12:00:10"
WIN=$(e2e_wait_window Vellmor) || fail "no window titled Vellmor"
e2e_wait_painted "$WIN" first
FIRST="$SCRATCH/first.png"
# The time: black digits right of (50, 38), drawn by the first tick.
digits_shown() {
    e2e_shot "$WIN" first || return 1
    [ "$(e2e_colour_count "$FIRST" 50 38 125 24 0 0 0)" -gt 30 ]
}
poll_until 10 digits_shown || fail "no digital time"

while read -r what x y w h strip frame; do
    shown=$(e2e_frame_shown "$FIRST" "$x" "$y" "$w" "$h" "$strip") || fail "no $what picture"
    [ "$shown" -eq "$frame" ] || fail "$what picture shows frame $shown, expected $frame"
done <<'TABLE'
bell 58 62 90 90 bell.png 0
branch 119 5 29 29 branch.png 12
toki 5 94 31 54 toki.png 12
TABLE

# A little later the digits differ.
time_moved() {
    e2e_shot "$WIN" second || return 1
    [ "$(e2e_differing "$FIRST" "$SCRATCH/second.png" 50 38 125 24)" -gt 10 ]
}
poll_until 10 time_moved || fail "the digital time did not advance in 10 s"
e2e_stop_clock
