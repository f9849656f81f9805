#!/bin/bash
# The clock's icon in the notification area, under Wine, seen from outside.
# Wine docks a program's notification-area icons into the X display's tray
# (XEmbed); here the tray is xfce4-panel's. With Indicator=1 the sign shows
# in the panel (red pixels at the top of the screen, where nothing else is
# red); the close box hides the window and leaves the icon; the icon's menu
# (a right click, then 終了, the last entry) ends the program, the settings
# are written, and the icon is gone. The screenshots with the icon and with
# its menu are kept as windows-tray.png and windows-tray-menu.png in the
# working folder.
#
#   tray_test.sh VELLMOR_EXE
# WINEPREFIX names the prefix (made once); the test ends every Wine process
# of that prefix when it ends, so it must be one of its own.
set -eu
[ $# -ge 1 ] || { echo "usage: $0 VELLMOR_EXE" >&2; exit 2; }
here="$(cd "$(dirname "$0")" && pwd)"
repo="$(cd "$here/../.." && pwd)"
exe="$(realpath "$1")"
shot_out="$PWD/windows-tray.png"
: "${WINEPREFIX:?set WINEPREFIX to a prefix for this test alone}"
export WINEPREFIX WINEDEBUG=-all

# shellcheck source=../support/scratch_clock.sh
. "$repo/tests/support/scratch_clock.sh"
scratch_begin windows-tray
trap '_status=$?; set +e; wineserver -k 2>/dev/null; (exit $_status); scratch_end' EXIT
command -v xfce4-panel >/dev/null || skip "xfce4-panel missing (scripts/install-deps.sh)"
"$repo/scripts/windows/wine-prefix.sh"
app="$SCRATCH/app"
mkdir -p "$app"
cp "$exe" "$app/vellmor.exe"
cd "$app"
printf '%s\r\n' "[Time Display]" "Indicator=1" >vellmor.ini

# The tray: xfce4-panel with the layout Debian ships, on a bus of its own.
xml="$XDG_CONFIG_HOME/xfce4/xfconf/xfce-perchannel-xml"
mkdir -p "$xml"
cp /etc/xdg/xfce4/panel/default.xml "$xml/xfce4-panel.xml"
dbus-daemon --session --nofork --print-address=3 3>"$SCRATCH/bus" 2>"$SCRATCH/dbus.txt" &
scratch_track $!
poll_until "$POLL_SECONDS" test -s "$SCRATCH/bus" || fail "no session bus"
DBUS_SESSION_BUS_ADDRESS=$(head -1 "$SCRATCH/bus")
export DBUS_SESSION_BUS_ADDRESS
scratch_display -noreset -screen 0 800x600x24
scratch_window_manager
xfce4-panel >"$SCRATCH/xfce4-panel.txt" 2>&1 &
scratch_track $!
tray_up() { xprop -root _NET_SUPPORTING_WM_CHECK >/dev/null 2>&1 &&
    xdpyinfo >/dev/null 2>&1 && xwininfo -root -tree | grep -q 'xfce4-panel'; }
poll_until "$POLL_SECONDS" tray_up || fail "xfce4-panel did not start"
wineserver -k 2>/dev/null || true
# The menu's Japanese, as in e2e_test.sh: the menu font linked to IPA P Gothic.
wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
    /v Tahoma /t REG_MULTI_SZ /d 'ipagp.ttf,IPAPGothic' /f >/dev/null 2>&1

PANEL_HEIGHT=26
# red_at: the x and y of the middle of the red pixels in the panel's right
# half (where no window of the clock lies); status 1 when there are too few.
red_at() {
    import -window root "$SCRATCH/shot.png" 2>/dev/null || return 1
    /usr/bin/python3 - "$SCRATCH/shot.png" "$PANEL_HEIGHT" <<'PY'
import sys
from PIL import Image
img = Image.open(sys.argv[1]).convert("RGB")
x0 = img.width // 2
strip = img.crop((x0, 0, img.width, int(sys.argv[2])))
red = [(i % strip.width, i // strip.width) for i, (r, g, b) in enumerate(strip.getdata())
       if r > 120 and r > g + 60 and r > b + 60]
if len(red) < 20:
    sys.exit(1)
print(x0 + sum(x for x, _ in red) // len(red), sum(y for _, y in red) // len(red))
PY
}
no_red() { ! red_at >/dev/null; }
no_red || fail "red in the panel before the clock started"

wine ./vellmor.exe >"$SCRATCH/clock.txt" 2>&1 &
clock=$!
scratch_track "$clock"
window_shows() { xdotool search --onlyvisible --name '^Vellmor$' 2>/dev/null | head -n 1 | grep .; }
window=$(poll_until "$POLL_SECONDS" window_shows) || fail "no window"
icon=$(poll_until "$POLL_SECONDS" red_at) || fail "no icon in the tray"
cp "$SCRATCH/shot.png" "$shot_out"
echo "icon at $icon (screenshot $shot_out)"

# The close box hides the window; the icon stays.
xdotool windowactivate --sync "$window" key alt+F4
window_gone() { ! window_shows >/dev/null; }
poll_until "$POLL_SECONDS" window_gone || fail "the close box left the window up"
scratch_running "$clock" || fail "the close box ended the clock"
red_at >/dev/null || fail "the icon went with the window"

# 終了 from the icon's menu: a right click on the icon, then the last entry.
set -- $icon
xdotool mousemove "$1" "$2" click 3
# The menu: an unnamed window of the clock's, taller than a tooltip; 終了
# is its last line, about 10 px above its lower edge.
menu_at() {
    xwininfo -root -tree | awk '/\(has no name\): \("vellmor.exe"/ {
        split($(NF-1), g, /[x+]/); if (g[2] > 60) { print g[3], g[4], g[1], g[2]; found = 1; exit } }
        END { exit !found }'
}
menu=$(poll_until "$POLL_SECONDS" menu_at) || fail "no menu at the icon's right click"
import -window root "${shot_out%.png}-menu.png"
set -- $menu
xdotool mousemove $(($1 + $3 / 2)) $(($2 + $4 - 10)) click 1
scratch_wait_exit "$clock" "$POLL_SECONDS" || fail "終了 did not end the clock"
poll_until "$POLL_SECONDS" no_red || fail "the icon stayed after the end"
tr -d '\r' <vellmor.ini | grep -qx '\[Alarm\]' || fail "settings not written at 終了"
echo PASS
