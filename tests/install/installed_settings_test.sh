#!/bin/sh
# Runs the installed clock as an ordinary user, who cannot write the program's
# folder: its settings go to $XDG_CONFIG_HOME/vellmor (default ~/.config) and
# persist from one run to the next. A portable copy in a folder of the user's
# keeps its file beside itself. Root ignores permissions, so as root the clock
# runs as "nobody". The test brings its own X server, open to that user.
# Usage: installed_settings_test.sh BUILD_DIR
set -u
BUILD="$1"
. "$(dirname "$0")/../support/poll.sh"
. "$(dirname "$0")/../support/own_display.sh"
WORK=$(mktemp -d)
chmod 755 "$WORK"
XPID=""
PID=""
cleanup() {
    [ -n "$PID" ] && kill -9 "$PID" 2>/dev/null
    [ -n "$XPID" ] && kill "$XPID" 2>/dev/null
    rm -rf "$WORK"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

PREFIX="$WORK/prefix"
cmake --install "$BUILD" --prefix "$PREFIX" >/dev/null 2>&1 || fail "install"
mkdir -p "$WORK/home" "$WORK/run" "$WORK/portable"
chmod 700 "$WORK/run"
cp "$PREFIX/bin/vellmor" "$WORK/portable/vellmor"
if [ "$(id -u)" -eq 0 ]; then
    chown -R 65534:65534 "$WORK/home" "$WORK/run" "$WORK/portable"
    AS_USER="setpriv --reuid=65534 --regid=65534 --clear-groups"
else
    chmod 555 "$PREFIX/bin"
    AS_USER=""
fi

# -ac lets the unprivileged user in.
own_display_start -ac -screen 0 640x480x24 || fail "Xvfb did not start"
XPID=$OWN_DISPLAY_PID

# Status 0 once the clock's window shows, 1 before, 2 when the clock ($PID) ended.
clock_window() {
    [ -n "$(xdotool search --onlyvisible --name '^Vellmor$' 2>/dev/null)" ] && return 0
    kill -0 "$PID" 2>/dev/null || return 2
    return 1
}

# Starts the clock with the given environment, waits for its window, closes it
# as the desktop would (SIGTERM), and checks that it exited normally.
run_clock() {
    # shellcheck disable=SC2086
    env -i PATH=/usr/bin:/bin DISPLAY="$DISPLAY" HOME="$WORK/home" XDG_RUNTIME_DIR="$WORK/run" \
        SDL_AUDIODRIVER=dummy NO_AT_BRIDGE=1 "$@" &
    PID=$!
    poll_until "$POLL_SECONDS" clock_window || {
        [ $? -eq 2 ] && fail "the clock ended at start: $*"
        fail "no window from $*"
    }
    kill -TERM $PID
    wait $PID; status=$?
    PID=""
    [ $status -eq 0 ] || fail "exit status $status: $*"
}
city_saved() { iconv -f CP932 -t UTF-8 "$1" 2>/dev/null | grep -q '^City=横浜'; }

# Installed: ~/.config/vellmor/vellmor.ini, nothing beside the program.
run_clock $AS_USER "$PREFIX/bin/vellmor"
USER_INI="$WORK/home/.config/vellmor/vellmor.ini"
city_saved "$USER_INI" || fail "installed clock did not save $USER_INI"
[ -e "$PREFIX/bin/vellmor.ini" ] && fail "installed clock wrote beside itself"

# It reads that file too: a value put there by hand survives a run.
sed -i 's/^Hour=.*/Hour=7/; s/^Enable=.*/Enable=0/' "$USER_INI"
run_clock $AS_USER "$PREFIX/bin/vellmor"
grep -q '^Hour=7' "$USER_INI" || fail "settings in $USER_INI were not read back"

# XDG_CONFIG_HOME, when set, takes the place of ~/.config.
run_clock $AS_USER env XDG_CONFIG_HOME="$WORK/home/xdg" "$PREFIX/bin/vellmor"
city_saved "$WORK/home/xdg/vellmor/vellmor.ini" || fail "XDG_CONFIG_HOME not followed"

# A portable copy keeps its file beside itself and leaves the config folder alone.
before=$(stat -c "%i %y" "$USER_INI")
run_clock $AS_USER "$WORK/portable/vellmor"
city_saved "$WORK/portable/vellmor.ini" || fail "portable copy did not save beside itself"
[ "$(stat -c "%i %y" "$USER_INI")" = "$before" ] || fail "portable copy touched $USER_INI"

echo PASS
