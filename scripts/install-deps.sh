#!/bin/sh
# Installs the Debian 12 packages the build, the clock and the tests need.
# Safe to run again: apt is only called when something is missing.
set -eu

PACKAGES="
build-essential cmake ninja-build pkg-config
libwxgtk3.2-dev libgtk-3-dev libsdl2-dev libx11-dev libwayland-dev
libgtest-dev libgmock-dev libbenchmark-dev
clang libclang-rt-14-dev
xvfb xauth x11-apps x11-utils xdotool openbox imagemagick sox faketime valgrind strace
fonts-ipafont-gothic fonts-ipafont-mincho fonts-liberation
python3-pil python3-numpy python3-ephem python3-icalendar
dbus-daemon python3-dbus python3-gi
libayatana-appindicator3-dev xfce4-panel
desktop-file-utils appstream
weston
"

missing=""
for p in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done
[ -z "$missing" ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
echo "Installing:$missing" >&2
# shellcheck disable=SC2086
if ! $SUDO apt-get install -y --no-install-recommends $missing; then
    $SUDO apt-get update
    $SUDO apt-get install -y --no-install-recommends $missing
fi
