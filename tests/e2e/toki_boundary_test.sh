#!/bin/bash
# A toki boundary at the default place (横浜): 明六つ begins at 06:15 on
# 2006-01-01. The toki and twelve-branch pictures change from 暁七つ半 to
# 明六つ and the bell strikes six times, 1.6 s after the boundary and then
# every 6 s.
. "$(dirname "$0")/clock_harness.sh" "$@"

# Started over a minute early: a start in the minute before a boundary
# already shows the toki that begins at it, and strikes nothing. The clock
# must be up before 06:14:00; the start leaves 30 s for a busy machine.
BOUNDARY=90  # 06:15:00
scratch_display
e2e_start_clock "2006-01-01 06:13:30"
WIN=$(e2e_wait_window Vellmor) || fail "no window titled Vellmor"
e2e_wait_painted "$WIN" first
e2e_expect_before $((BOUNDARY - 60)) "the first paint"

e2e_sleep_until $((BOUNDARY - 4))
e2e_shot "$WIN" before
# The boundary's tick redraws the pictures; a busy machine may paint late.
e2e_sleep_until "$BOUNDARY"
toki_shown() {
    e2e_shot "$WIN" after || return 1
    [ "$(e2e_frame_shown "$SCRATCH/after.png" 5 94 31 54 toki.png)" = "$1" ]
}
poll_until 10 toki_shown 6 || true  # the checks below say what is wrong

for check in "before 5" "after 6"; do
    set -- $check
    shot="$SCRATCH/$1.png"
    toki=$(e2e_frame_shown "$shot" 5 94 31 54 toki.png) || fail "$1: no toki picture"
    branch=$(e2e_frame_shown "$shot" 119 5 29 29 branch.png) || fail "$1: no branch picture"
    [ "$toki" -eq "$2" ] || fail "$1: toki picture $toki, expected $2"
    [ "$branch" -eq "$2" ] || fail "$1: branch picture $branch, expected $2"
done

# Six 6 s cycles, then a few seconds more to hear that nothing follows.
e2e_sleep_until $((BOUNDARY + 40))
e2e_stop_clock
strikes=""
for k in 0 1 2 3 4 5; do
    strikes="$strikes $((BOUNDARY + 1 + 6 * k)).6"
done
e2e_expect_onsets 0 $((BOUNDARY + 40)) 1 $strikes
