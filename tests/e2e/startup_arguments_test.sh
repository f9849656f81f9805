#!/bin/bash
# The command line as a Linux user meets it: --help and --version answer on
# stdout with status 0, an unknown option is named on stderr with status 2,
# all without a display; a file that cannot be opened shows one message box
# and ends with a failure status; "/RegServer " (a blank after the switch)
# starts the clock. No start that ends early writes the settings file or opens
# the clock's window. VELLMOR_VERSION is the version the build was given.
. "$(dirname "$0")/clock_harness.sh" "$@"

ORIGINAL="$SCRATCH/original.ini"
printf '; by hand\r\n[Alarm]\r\nEnable=1\r\nHour=7\r\n' >"$ORIGINAL"
cp "$ORIGINAL" "$INI"
OUT="$SCRATCH/stdout.txt"
ERR="$SCRATCH/stderr-run.txt"

# run_without_display ARGS...: sets STATUS; output in $OUT and $ERR.
run_without_display() {
    STATUS=0
    env -u DISPLAY -u WAYLAND_DISPLAY timeout 10 "$CLOCK" "$@" >"$OUT" 2>"$ERR" || STATUS=$?
}
settings_untouched() {
    cmp -s "$ORIGINAL" "$INI" || fail "$1 touched the settings file"
}

run_without_display --help
[ "$STATUS" -eq 0 ] || fail "--help: status $STATUS"
head -1 "$OUT" | grep -q '^usage: vellmor \[--hidden\] \[FILE\]$' || fail "--help: $(head -1 "$OUT")"
grep -q -- '--version' "$OUT" || fail "--help does not name --version"
[ ! -s "$ERR" ] || fail "--help wrote to stderr: $(cat "$ERR")"
settings_untouched --help

run_without_display --version
[ "$STATUS" -eq 0 ] || fail "--version: status $STATUS"
[ "$(cat "$OUT")" = "Vellmor $VELLMOR_VERSION" ] || fail "--version printed '$(cat "$OUT")'"
[ ! -s "$ERR" ] || fail "--version wrote to stderr"
settings_untouched --version

for option in -x --bogus; do
    run_without_display "$option"
    [ "$STATUS" -eq 2 ] || fail "$option: status $STATUS"
    [ ! -s "$OUT" ] || fail "$option wrote to stdout"
    [ "$(wc -l <"$ERR")" -eq 1 ] || fail "$option: not one line on stderr: $(cat "$ERR")"
    grep -qF -- "unknown option $option" "$ERR" || fail "$option not named: $(cat "$ERR")"
    settings_untouched "$option"
done
[ -z "$(ls -A "$XDG_RUNTIME_DIR")" ] || fail "a start without a display left $(ls -A "$XDG_RUNTIME_DIR")"

scratch_display
scratch_window_manager

# A file that cannot be opened: one message box, not the clock's window; OK
# (Return, typed) ends the program with a failure status.
"$CLOCK" "$SCRATCH/missing.txt" 2>"$SCRATCH/stderr.txt" &
PID=$!
scratch_track $PID
# Echoes the program's first window once it shows; status 2 once it ended.
first_window() {
    w=$(scratch_windows | head -1)
    [ -n "$w" ] && { echo "$w"; return 0; }
    scratch_running $PID || return 2
    return 1
}
BOX=$(poll_until "$POLL_SECONDS" first_window) || {
    [ $? -eq 2 ] && fail "ended without a message box"
    fail "no message box for a missing file"
}
sleep 0.5  # a second window, had one been made, would be mapped by now
[ "$(scratch_windows | wc -l)" -eq 1 ] || fail "more than the message box shown"
xprop -id "$BOX" _NET_WM_WINDOW_TYPE | grep -q _NET_WM_WINDOW_TYPE_DIALOG ||
    fail "the window shown is not a message box"
[ "$(xdotool getwindowname "$BOX")" = "Vellmor" ] || fail "box caption '$(xdotool getwindowname "$BOX")'"
xdotool windowactivate --sync "$BOX"
xdotool key Return
e2e_wait_exit $PID 60
[ "$EXIT_STATUS" -ne 0 ] || fail "a file that could not be opened ended with status 0"
[ "$EXIT_STATUS" -lt 128 ] || fail "ended by signal $((EXIT_STATUS - 128))"
settings_untouched "a missing file"

# A switch with a blank after it is no switch: the clock starts as usual.
e2e_start_clock "" "/RegServer "
WIN=$(e2e_wait_window Vellmor) || fail "'/RegServer ' did not start the clock"
xprop -id "$WIN" _NET_WM_WINDOW_TYPE | grep -q _NET_WM_WINDOW_TYPE_NORMAL ||
    fail "'/RegServer ' showed something else than the clock's window"
e2e_stop_clock
grep -q '^Chime=3' "$INI" || fail "settings not saved after '/RegServer '"
