#!/bin/bash
# The clock as a native Wayland client on weston's headless backend: its
# window shows and is painted, with the app id its desktop entry names; a
# second copy ends at once without a window; SIGTERM saves the settings in
# the same file as on X11; and when the compositor goes away, the settings
# are saved before the toolkit ends the program. Skipped (status 77) where
# weston cannot start.
. "$(dirname "$0")/clock_harness.sh" "$@"
. "$(dirname "$0")/wayland_harness.sh"
DESKTOP_ENTRY="$PICTURES/../../data/org.vellmor.vellmor.desktop"

wayland_start headless
e2e_start_clock ""
MAIN=$(wayland_wait_toplevel Vellmor) || fail "no window titled Vellmor"
wayland_wait_painted main
# Compositors match a window's app id with the desktop entries.
app_id=$(sed -n 's/^StartupWMClass=//p' "$DESKTOP_ENTRY")
grep -a -q "xdg_toplevel@$MAIN\.set_app_id(\"$app_id\")" "$SCRATCH/stderr.txt" ||
    fail "the window's app id is not the desktop entry's StartupWMClass ($app_id)"

# A second copy ends by itself, status 0, without asking for a window.
timeout "$POLL_SECONDS" "$CLOCK" 2>"$SCRATCH/second.txt"
status=$?
[ $status -ne 124 ] || fail "second copy still running after $POLL_SECONDS s"
[ $status -eq 0 ] || fail "second copy status $status"
! grep -a -q get_toplevel "$SCRATCH/second.txt" || fail "the second copy asked for a window"

# SIGTERM: the settings file beside the program is written.
e2e_stop_clock
e2e_expect_saved "[Time System]" "Chime=3"

# The compositor goes away: the toolkit ends the program, after it has saved.
rm -f "$INI"
e2e_start_clock ""
wayland_wait_toplevel Vellmor >/dev/null || fail "no window at the second start"
wayland_wait_painted again
scratch_signal TERM "$WESTON_PID"
e2e_wait_exit "$CLOCK_PID" "$POLL_SECONDS"
[ -s "$INI" ] || fail "the settings were not saved when the compositor went away"
e2e_expect_saved "Chime=3"
