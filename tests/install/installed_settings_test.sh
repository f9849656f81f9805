#!/bin/sh
# Runs the installed clock as an ordinary user, who cannot write the program's
# folder: its settings go to $XDG_CONFIG_HOME/vellmor (default ~/.config) and
# persist from one run to the next. A portable copy in a folder of the user's
# keeps its file beside itself. Root ignores permissions, so as root the clock
# runs as "nobody". The test brings its own X server, open to that user.
# Usage: installed_settings_test.sh BUILD_DIR
set -u
BUILD="$1"
. "$(dirname "$0")/../support/scratch_clock.sh"
scratch_begin installed-settings
WORK="$SCRATCH"
chmod 755 "$WORK"
# The clock makes ~/.config itself; the user has none yet.
rmdir "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME"

PREFIX="$WORK/prefix"
cmake --install "$BUILD" --prefix "$PREFIX" >/dev/null 2>&1 || fail "install"
mkdir -p "$WORK/portable"
cp "$PREFIX/bin/vellmor" "$WORK/portable/vellmor"
if [ "$(id -u)" -eq 0 ]; then
    chown -R 65534:65534 "$HOME" "$XDG_RUNTIME_DIR" "$WORK/portable"
    AS_USER="setpriv --reuid=65534 --regid=65534 --clear-groups"
else
    chmod 555 "$PREFIX/bin"
    AS_USER=""
fi

# -ac lets the unprivileged user in.
scratch_display -ac -screen 0 640x480x24

# Starts the clock with the given environment, waits for its window, closes it
# as the desktop would (SIGTERM), and checks that it exited normally.
run_clock() {
    # shellcheck disable=SC2086
    env -i PATH=/usr/bin:/bin DISPLAY="$DISPLAY" HOME="$HOME" XDG_RUNTIME_DIR="$XDG_RUNTIME_DIR" \
        SDL_AUDIODRIVER=dummy NO_AT_BRIDGE=1 "$@" &
    PID=$!
    scratch_track $PID
    scratch_wait_window Vellmor $PID >/dev/null || {
        [ $? -eq 2 ] && fail "the clock ended at start: $*"
        fail "no window from $*"
    }
    scratch_stop $PID || fail "still running $POLL_SECONDS s after SIGTERM: $*"
    [ "$EXIT_STATUS" -eq 0 ] || fail "exit status $EXIT_STATUS: $*"
}
city_saved() { iconv -f CP932 -t UTF-8 "$1" 2>/dev/null | grep -q '^City=横浜'; }

# Installed: ~/.config/vellmor/vellmor.ini, nothing beside the program.
run_clock $AS_USER "$PREFIX/bin/vellmor"
USER_INI="$HOME/.config/vellmor/vellmor.ini"
city_saved "$USER_INI" || fail "installed clock did not save $USER_INI"
[ -e "$PREFIX/bin/vellmor.ini" ] && fail "installed clock wrote beside itself"

# It reads that file too: a value put there by hand survives a run.
sed -i 's/^Hour=.*/Hour=7/; s/^Enable=.*/Enable=0/' "$USER_INI"
run_clock $AS_USER "$PREFIX/bin/vellmor"
grep -q '^Hour=7' "$USER_INI" || fail "settings in $USER_INI were not read back"

# XDG_CONFIG_HOME, when set, takes the place of ~/.config.
run_clock $AS_USER env XDG_CONFIG_HOME="$HOME/xdg" "$PREFIX/bin/vellmor"
city_saved "$HOME/xdg/vellmor/vellmor.ini" || fail "XDG_CONFIG_HOME not followed"

# A portable copy keeps its file beside itself and leaves the config folder alone.
before=$(stat -c "%i %y" "$USER_INI")
run_clock $AS_USER "$WORK/portable/vellmor"
city_saved "$WORK/portable/vellmor.ini" || fail "portable copy did not save beside itself"
[ "$(stat -c "%i %y" "$USER_INI")" = "$before" ] || fail "portable copy touched $USER_INI"
