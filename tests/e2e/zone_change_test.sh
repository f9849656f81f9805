#!/bin/bash
# The system's time zone changes while the clock runs, as on a traveller's
# laptop: within a minute the clock shows the toki of the new local time. At
# 横浜 on 2006-01-01 朝四つ (toki 10) holds at 10:30; moved from Tokyo's zone
# to Bangkok's (two hours behind) the clock reads 08:30 and shows toki 8.
# The zone file (/etc/localtime, TZ unset) is changed in a mount namespace
# of the test's own, so nothing outside it sees the change.
if [ -z "${VELLMOR_OWN_MOUNTS:-}" ]; then
    if ! unshare -m true 2>/dev/null; then
        echo "no mount namespace can be made here: skipped"
        exit 77
    fi
    exec env VELLMOR_OWN_MOUNTS=1 unshare -m --propagation private "$0" "$@"
fi
. "$(dirname "$0")/clock_harness.sh" "$@"

zone() {
    umount /etc/localtime 2>/dev/null || true
    mount --bind "/usr/share/zoneinfo/$1" /etc/localtime || fail "cannot mount zone $1"
}
zone Asia/Tokyo
unset TZ
[ "$(date +%z)" = "+0900" ] || fail "the zone file did not take: $(date +%z)"

scratch_display
e2e_start_clock "2006-01-01 10:30:40 +0900"
WIN=$(e2e_wait_window Vellmor) || fail "no window titled Vellmor"
e2e_wait_painted "$WIN" start
toki=$(e2e_frame_shown "$SCRATCH/start.png" 5 94 31 54 toki.png) || fail "no toki picture"
[ "$toki" -eq 10 ] || fail "at the start toki picture $toki, expected 10"

zone Asia/Bangkok
changed=$(e2e_offset_now)
toki_is() {
    e2e_shot "$WIN" moved 2>/dev/null &&
        [ "$(e2e_frame_shown "$SCRATCH/moved.png" 5 94 31 54 toki.png 2>/dev/null)" = "$1" ]
}
poll_until 65 toki_is 8 ||
    fail "65 s after the zone changed, toki picture $(e2e_frame_shown "$SCRATCH/moved.png" 5 94 31 54 toki.png || echo none), expected 8"
echo "the new zone's toki showed $(awk -v a="$changed" -v b="$(e2e_offset_now)" 'BEGIN { print b - a }') s after the change"
e2e_stop_clock
