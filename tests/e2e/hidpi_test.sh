#!/bin/bash
# At a scale of 2 (GDK_SCALE=2, as on a HiDPI laptop) the window shows each
# picture drawn at twice the size, in the same logical place as at scale 1:
# screenshots of the window at both scales, each on a display of its own, the
# clock started at the same instant, are compared picture by picture
# (hidpi_pictures.py). Both shots are kept in the scratch folder on failure.
. "$(dirname "$0")/clock_harness.sh" "$@"
COMPARE="/usr/bin/python3 $(dirname "$0")/hidpi_pictures.py"

# shoot SCALE: starts the clock at scale SCALE on a display of its own and
# takes a screenshot of its window once the view is painted; ends it again.
shoot() {
    export GDK_SCALE=$1
    scratch_display
    e2e_start_clock "2006-01-01 10:00:30"
    WIN=$(e2e_wait_window Vellmor) || fail "no window titled Vellmor at scale $1"
    poll_until "$POLL_SECONDS" painted "$1" || fail "the window never showed the face at scale $1"
    e2e_stop_clock
    # libfaketime: a later client on the same server might never paint.
    scratch_signal TERM "$SCRATCH_XVFB_PID"
    wait "$SCRATCH_XVFB_PID" 2>/dev/null || true
}

# painted SCALE: a screenshot of the window, taken now, shows the face.
painted() {
    e2e_shot "$WIN" "scale$1" 2>/dev/null &&
        $COMPARE find "$SCRATCH/scale$1.png" "$PICTURES" "$1" >/dev/null
}

shoot 1
shoot 2
$COMPARE compare "$SCRATCH/scale1.png" "$SCRATCH/scale2.png" "$PICTURES" ||
    fail "the pictures at scale 2 are not their 2x versions in their places"
