#!/bin/bash
# The clock's time moved while it runs, as a laptop's day has it: woken hours
# later, a stall over second 0 of a boundary's minute, a clock set back. At
# 横浜 on 2006-01-01 朝四つ (toki 10) holds at 10:30, toki 14 from 13:35, and
# toki 15 (a half toki, one stroke) begins at 14:30. The toki as a line of
# text is on and must always name the toki the picture shows.
. "$(dirname "$0")/clock_harness.sh" "$@"

E2E_MOVABLE_TIME=1
printf '%s\r\n' '[Time Display]' 'AddText=1' >"$INI"
E2E_FACE_STRIP=110x4+0+20  # the text line covers the face's top rows
scratch_display
e2e_start_clock "2006-01-01 10:30:40"
WIN=$(e2e_wait_window Vellmor) || fail "no window titled Vellmor"
e2e_wait_painted "$WIN" start
e2e_expect_before 15 "the first paint"

# Shows toki N within SECONDS (the picture), as shot NAME.
toki_is() {
    e2e_shot "$WIN" "$2" 2>/dev/null || return 1
    [ "$(e2e_frame_shown "$SCRATCH/$2.png" 5 94 31 54 toki.png 2>/dev/null)" = "$1" ]
}
expect_toki() {
    poll_until "$3" toki_is "$1" "$2" ||
        fail "$2: toki picture $(e2e_frame_shown "$SCRATCH/$2.png" 5 94 31 54 toki.png || echo none), expected $1"
    branch=$(e2e_frame_shown "$SCRATCH/$2.png" 119 5 29 29 branch.png) || fail "$2: no branch picture"
    [ "$branch" -eq "$1" ] || fail "$2: branch picture $branch, expected $1"
}
# The text line, top left, left of the branch sign.
text_line() { convert "$SCRATCH/$1.png" -crop "112x14+$VIEW_X+$VIEW_Y" +repage "$SCRATCH/line-$1.png"; }
same_line() { [ "$(compare -metric AE "$SCRATCH/line-$1.png" "$SCRATCH/line-$2.png" null: 2>&1)" = 0 ]; }

expect_toki 10 start 5
text_line start

# Asleep, woken at 14:28:4x: 3 h 58 min later.
e2e_sleep_until 5
e2e_move_clock $((3 * 3600 + 58 * 60))
moved=$(e2e_offset_now)
expect_toki 14 woken 3
text_line woken
same_line start woken && fail "the text line still names the toki of 10:30"
awk -v m="$moved" -v n="$(e2e_offset_now)" 'BEGIN { exit !(n - m < 3) }' ||
    fail "the new toki showed only $(e2e_offset_now) s after the move at $moved s"

# 14:30:00 comes 80 s after the start. A stall from 14:29:59.5 to 14:30:01.5
# swallows its second 0; the boundary is still struck, once.
BOUNDARY=80
e2e_sleep_until $((BOUNDARY - 1)).5
kill -STOP "$CLOCK_PID"
e2e_sleep_until $((BOUNDARY + 1)).5
kill -CONT "$CLOCK_PID"
expect_toki 15 boundary 5
text_line boundary
same_line woken boundary && fail "the text line kept the toki before the boundary"

# Set back from 14:30:15 to 14:28:55: toki 14 again, and 14:30 comes again
# 65 s later, 80 s after it first came, and is struck again.
e2e_sleep_until $((BOUNDARY + 15))
e2e_move_clock -80
expect_toki 14 setback 3
text_line setback
same_line woken setback || fail "after the set back the text line differs from toki 14's"
AGAIN=$((BOUNDARY + 80))
e2e_sleep_until $((AGAIN + 3))
expect_toki 15 again 5
text_line again
same_line boundary again || fail "at the boundary again the text line differs from toki 15's"

e2e_sleep_until $((AGAIN + 8))
e2e_stop_clock
# One stroke 1.6 s after each boundary, the first after the stall ends, and
# nothing for the boundaries the jumps passed over.
e2e_expect_onsets 0 $((BOUNDARY + 15)) 2 "$((BOUNDARY + 1)).6"
e2e_expect_onsets $((BOUNDARY + 15)) $((AGAIN + 8)) 1 "$AGAIN.6"
