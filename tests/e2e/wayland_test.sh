#!/bin/bash
# The clock as a native Wayland client on weston's headless backend: its
# window shows and is painted, with the app id its desktop entry names; a
# second copy ends at once without a window; SIGTERM saves the settings in
# the same file as on X11; the time is shown on sub-surfaces of the window
# that take no input, each new second a buffer attached to one of them
# rather than a new frame of the window; and when the compositor goes away, the settings
# are saved before the toolkit ends the program. Skipped (status 77) where
# weston cannot start.
. "$(dirname "$0")/clock_harness.sh" "$@"
. "$(dirname "$0")/wayland_harness.sh"
DESKTOP_ENTRY="$PICTURES/../../data/org.vellmor.vellmor.desktop"

wayland_start headless
e2e_start_clock ""
MAIN=$(wayland_wait_toplevel Vellmor) || fail "no window titled Vellmor"
wayland_wait_painted main

# The time's sub-surfaces: their surfaces' numbers.
time_surfaces() {
    grep -a -o 'get_subsurface(new id wl_subsurface@[0-9]*, wl_surface@[0-9]*' "$SCRATCH/stderr.txt" |
        sed 's/.*wl_surface@//'
}
# Buffers attached to them so far, one at least for each second shown there.
time_attaches() {
    for surface in $(time_surfaces); do
        grep -a -c "wl_surface@$surface\.attach(wl_buffer@" "$SCRATCH/stderr.txt" || true
    done | awk '{ n += $1 } END { print n + 0 }'
}
three_seconds_on_surfaces() { [ "$(time_attaches)" -ge 3 ]; }
poll_until "$POLL_SECONDS" three_seconds_on_surfaces ||
    fail "the time is not shown on sub-surfaces of the window"
[ "$(time_surfaces | wc -l)" -eq 2 ] || fail "not two sub-surfaces for the time"
for surface in $(time_surfaces); do
    grep -a -q "wl_surface@$surface\.set_input_region(wl_region@" "$SCRATCH/stderr.txt" ||
        fail "a sub-surface of the time takes input: clicks there would miss the window"
done
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
