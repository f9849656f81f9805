#!/bin/bash
# A real panel: xfce4-panel (4.18, whose notification-area plugin hosts
# StatusNotifierItems) on the test's display and session bus, with the
# layout Debian ships given as the user's, so that it asks no first-start
# question. The clock with Indicator=1 is listed by
# the panel's watcher, and its sign shows in the panel: red pixels at the
# top of the screen, where nothing else is red. The screenshot is kept as
# panel-xfce.png in the test's working folder (or $PANEL_SHOT).
. "$(dirname "$0")/clock_harness.sh" "$@"
. "$(dirname "$0")/panel_bus.sh"
command -v xfce4-panel >/dev/null || skip "xfce4-panel missing (scripts/install-deps.sh)"

SHOT=${PANEL_SHOT:-$PWD/panel-xfce.png}
PANEL_HEIGHT=26  # the top panel of that layout
# Read by xfconfd, which the bus starts on the panel's first call: before the bus.
xml="$XDG_CONFIG_HOME/xfce4/xfconf/xfce-perchannel-xml"
mkdir -p "$xml"
# The panel layout Debian ships (a dark top panel with the notification
# area, a dock at the bottom), as the user's own: no first-start question.
cp /etc/xdg/xfce4/panel/default.xml "$xml/xfce4-panel.xml" ||
    skip "no /etc/xdg/xfce4/panel/default.xml"
printf '%s\r\n' "[Time Display]" "Indicator=1" >"$INI"
panel_bus
scratch_display -noreset -screen 0 800x600x24
xfce4-panel --disable-wm-check >"$SCRATCH/xfce4-panel.txt" 2>&1 &
scratch_track $!
poll_until "$POLL_SECONDS" panel_watcher_up || fail "xfce4-panel took no StatusNotifierWatcher"

# 12:10 on 2006-01-01: 昼九つ (午) at the default place.
e2e_start_clock "2006-01-01 12:10:00"
e2e_wait_window Vellmor >/dev/null || fail "no window titled Vellmor"
listed() {
    dbus-send --session --print-reply --dest=org.kde.StatusNotifierWatcher /StatusNotifierWatcher \
        org.freedesktop.DBus.Properties.Get string:org.kde.StatusNotifierWatcher \
        string:RegisteredStatusNotifierItems 2>/dev/null |
        grep -q '/org/ayatana/NotificationItem/org_vellmor_vellmor'
}
poll_until "$POLL_SECONDS" listed || fail "the panel's watcher does not list the clock's item"

# The clock's window sits at the top left, under the panel: only the right
# half of the panel's strip is looked at.
red_in_panel() {
    import -window root "$SHOT" 2>/dev/null || return 1
    /usr/bin/python3 - "$SHOT" "$PANEL_HEIGHT" <<'PY'
import sys
from PIL import Image
img = Image.open(sys.argv[1]).convert("RGB")
strip = img.crop((img.width // 2, 0, img.width, int(sys.argv[2])))
red = sum(1 for r, g, b in strip.getdata() if r > 120 and r > g + 60 and r > b + 60)
sys.exit(0 if red >= 20 else 1)
PY
}
poll_until "$POLL_SECONDS" red_in_panel || fail "no sign in the panel (see $SHOT)"
echo "screenshot: $SHOT"
e2e_stop_clock
exit 0
