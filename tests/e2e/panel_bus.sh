# Sourced by the panel indicator's tests (bash, after clock_harness.sh): a
# session bus of the test's own, and on it, when asked, a stand-in panel
# (panel_standin.py) that logs the items registered with it to $ITEMS.
command -v dbus-daemon >/dev/null && /usr/bin/python3 -c 'import dbus, gi' 2>/dev/null ||
    skip "dbus-daemon, python3-dbus or python3-gi missing (scripts/install-deps.sh)"
PANEL_STANDIN="$(dirname "${BASH_SOURCE[0]}")/panel_standin.py"
ITEMS="$SCRATCH/items.log"

# panel_bus: a session bus, exported as DBUS_SESSION_BUS_ADDRESS.
panel_bus() {
    dbus-daemon --session --nofork --print-address=3 3>"$SCRATCH/bus" 2>"$SCRATCH/dbus.txt" &
    scratch_track $!
    poll_until "$POLL_SECONDS" test -s "$SCRATCH/bus" || fail "no session bus"
    DBUS_SESSION_BUS_ADDRESS=$(head -1 "$SCRATCH/bus")
    export DBUS_SESSION_BUS_ADDRESS
}

# panel_watcher: the stand-in panel on the bus, once it owns its name.
panel_watcher() {
    : >"$ITEMS"
    /usr/bin/python3 "$PANEL_STANDIN" watch "$ITEMS" 2>"$SCRATCH/standin.txt" &
    scratch_track $!
    poll_until "$POLL_SECONDS" panel_watcher_up || fail "the stand-in panel did not start"
}
panel_watcher_up() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.kde.StatusNotifierWatcher 2>/dev/null |
        grep -q 'boolean true'
}

# panel_wait_item: waits until an item has registered with the stand-in.
panel_wait_item() { poll_until "$POLL_SECONDS" test -s "$ITEMS" || fail "no item registered"; }
# panel_item KEY: one property of the item (org.kde.StatusNotifierItem).
panel_item() {
    /usr/bin/python3 "$PANEL_STANDIN" item "$ITEMS" |
        /usr/bin/python3 -c 'import json, sys; print(json.load(sys.stdin)[sys.argv[1]])' "$1"
}
# panel_menu: the labels of the item's menu, one a line ("-" a separator).
panel_menu() {
    /usr/bin/python3 "$PANEL_STANDIN" menu "$ITEMS" | /usr/bin/python3 -c '
import json, sys
for e in json.load(sys.stdin):
    print("-" if e["type"] == "separator" else e["label"])'
}
# panel_click LABEL: the panel's click on a menu entry.
panel_click() { /usr/bin/python3 "$PANEL_STANDIN" click "$ITEMS" "$1" || fail "no menu entry $1"; }
