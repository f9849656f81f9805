#!/bin/sh
# Photographs the real clock window for the README and the AppStream file:
# docs/clock-window.png. The clock runs under Xvfb with its wall clock set by
# faketime to a fixed moment in Japan and with default settings (a scratch
# copy of the program, so no settings file of the user's is read).
# Needs xvfb, faketime, xdotool and imagemagick (scripts/install-deps.sh).
# Usage: tools/make_screenshots.sh [PROGRAM] [OUTPUT_DIR]
#   PROGRAM defaults to build/vellmor, OUTPUT_DIR to docs.
set -eu
cd "$(dirname "$0")/.."
PROGRAM="${1:-build/vellmor}"
OUT="${2:-docs}"
[ -x "$PROGRAM" ] || { echo "no program at $PROGRAM: build first (scripts/build.sh)" >&2; exit 1; }
mkdir -p "$OUT"
WORK=$(mktemp -d)
XPID=""
PID=""
cleanup() {
    [ -n "$PID" ] && kill -9 "$PID" 2>/dev/null
    [ -n "$XPID" ] && kill "$XPID" 2>/dev/null
    rm -rf "$WORK"
}
trap cleanup EXIT
cp "$PROGRAM" "$WORK/vellmor"
mkdir -m 700 "$WORK/run"

# shoot MOMENT FILE: one faked run on an X server of its own (a GTK client
# that ran under libfaketime can leave the server unable to paint for the
# next one).
shoot() {
    rm -f "$WORK/display"
    Xvfb -displayfd 3 -nolisten tcp -screen 0 800x600x24 3>"$WORK/display" 2>/dev/null &
    XPID=$!
    i=0
    while [ ! -s "$WORK/display" ]; do
        [ $i -lt 100 ] || { echo "Xvfb did not start" >&2; exit 1; }
        sleep 0.1; i=$((i + 1))
    done
    export DISPLAY=":$(cat "$WORK/display")"
    env -C "$WORK" TZ=Asia/Tokyo FAKETIME_DONT_FAKE_MONOTONIC=1 XDG_RUNTIME_DIR="$WORK/run" \
        SDL_AUDIODRIVER=dummy NO_AT_BRIDGE=1 faketime -f "@$1" ./vellmor &
    PID=$!
    i=0
    while :; do
        id=$(xdotool search --onlyvisible --name '^Vellmor$' 2>/dev/null | head -1)
        [ -n "$id" ] && break
        [ $i -lt 150 ] || { echo "no clock window" >&2; exit 1; }
        sleep 0.1; i=$((i + 1))
    done
    sleep 2  # let it paint and tick
    import -window "$id" "$OUT/$2"
    echo "$OUT/$2: $(identify -format '%wx%h' "$OUT/$2")"
    kill -TERM "$PID"; wait "$PID" || true; PID=""
    kill "$XPID"; wait "$XPID" 2>/dev/null || true; XPID=""
}

# Mid-morning of 1 April 2024 in Yokohama (the default place): 朝四つ (巳).
shoot "2024-04-01 10:24:05" clock-window.png
