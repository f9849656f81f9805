#!/bin/bash
# New Year's Eve at the default place: the year's last 暁九つ begins at 23:44
# on 2006-12-31. From 23:44:00 the countdown band shows, the chime that the
# boundary would bring stays silent, and the 108 strikes follow every 15 s.
. "$(dirname "$0")/clock_harness.sh" "$@"

# Started 30 s early: the window must be up before the eve, even on a busy
# machine.
EVE=30  # 23:44:00
ORANGE="255 127 0"
scratch_display
e2e_start_clock "2006-12-31 23:43:30"
WIN=$(e2e_wait_window Vellmor) || fail "no window titled Vellmor"
e2e_wait_painted "$WIN" first
e2e_expect_before $((EVE - 3)) "the first paint"

# The band runs along the top left of the face, left of the branch picture.
band() { e2e_colour_count "$SCRATCH/$1.png" 0 0 118 40 $ORANGE; }

e2e_sleep_until $((EVE - 3))
e2e_shot "$WIN" before
[ "$(band before)" -lt 20 ] || fail "orange band before 23:44"

e2e_sleep_until "$EVE"
band_shown() { e2e_shot "$WIN" started && [ "$(band started)" -gt 300 ]; }
poll_until 10 band_shown || fail "no countdown band by 23:44:10"
# The first strike (15 s after the eve) counts down.
e2e_sleep_until $((EVE + 15))
counted() {
    e2e_shot "$WIN" counting || return 1
    [ "$(e2e_differing "$SCRATCH/started.png" "$SCRATCH/counting.png" 0 0 118 40)" -gt 10 ]
}
poll_until 10 counted || fail "the countdown did not change after the first strike"

e2e_sleep_until $((EVE + 49))
e2e_stop_clock
# No chime at the boundary; strikes 15 s, 30 s and 45 s after it.
e2e_expect_onsets 0 $((EVE + 49)) 1 $((EVE + 16)).6 $((EVE + 31)).6 $((EVE + 46)).6
