# Sourced after clock_harness.sh by the end-to-end tests of notifications
# (bash): a session bus of the test's own, exported to the clock started
# after it, and the stand-in notification service on it, which logs every
# Notify call to $NOTES (notification_standin.py). Skips the test where the
# bus or python3-dbus is missing.

command -v dbus-daemon >/dev/null && /usr/bin/python3 -c 'import dbus, gi' 2>/dev/null ||
    skip "dbus-daemon, python3-dbus or python3-gi missing (scripts/install-deps.sh)"

dbus-daemon --session --nofork --print-address=3 3>"$SCRATCH/bus" 2>"$SCRATCH/dbus.txt" &
scratch_track $!
bus_up() { [ -s "$SCRATCH/bus" ]; }
poll_until "$POLL_SECONDS" bus_up || fail "no session bus"
export DBUS_SESSION_BUS_ADDRESS=$(head -1 "$SCRATCH/bus")
NOTES="$SCRATCH/notifications.log"
: >"$NOTES"
/usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/notification_standin.py" "$NOTES" \
    2>"$SCRATCH/standin.txt" &
scratch_track $!
standin_up() {
    dbus-send --session --print-reply --dest=org.freedesktop.Notifications \
        /org/freedesktop/Notifications org.freedesktop.Notifications.GetCapabilities \
        >/dev/null 2>&1
}
poll_until "$POLL_SECONDS" standin_up || fail "the notification stand-in did not start"

# notes_reach COUNT: true once the service has been asked COUNT times.
notes_reach() { [ "$(wc -l <"$NOTES")" -ge "$1" ]; }
