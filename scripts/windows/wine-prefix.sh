#!/bin/sh
# Creates the Wine prefix $WINEPREFIX (64-bit) if it does not exist yet, and
# waits until Wine has finished writing it. The first creation takes about a
# minute; later calls return at once.
#   WINEPREFIX=$PWD/build-windows/wineprefix scripts/windows/wine-prefix.sh
set -eu
: "${WINEPREFIX:?set WINEPREFIX to the prefix folder}"
export WINEPREFIX WINEARCH=win64 WINEDEBUG="${WINEDEBUG:--all}"
[ -f "$WINEPREFIX/system.reg" ] && [ -f "$WINEPREFIX/.vellmor-ready" ] && exit 0

mkdir -p "$WINEPREFIX"
# Debian's wine ships neither Mono nor Gecko: without these overrides wineboot
# opens a dialog offering to download them and waits for an answer forever.
WINEDLLOVERRIDES="mscoree,mshtml=" wineboot -i >/dev/null 2>&1
wineserver -w
touch "$WINEPREFIX/.vellmor-ready"
