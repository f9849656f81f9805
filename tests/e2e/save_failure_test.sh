#!/bin/bash
# A save that fails is never silent. The settings dialog's OK, whose save
# fails, shows a message box while the old file stays whole, and the change
# stays in effect for the run (once the cause is gone, the save at the end
# writes it). When the save at the end fails, the clock says so in one line
# on stderr that names the file and the reason, and exits with status 1.
# SAVE_FAILURE names the cause:
#   folder    the clock's folder made read-only (mode 0555) while it runs;
#   full      a full file system: a file size limit (RLIMIT_FSIZE) below
#             the size of the new file;
#   rootfile  the settings file left owned by root (by one run as root).
# Root writes wherever modes say no, so "folder" and "rootfile" run the
# clock as the user "nobody", in a folder of nobody's.
. "$(dirname "$0")/clock_harness.sh" "$@"
export SDL_AUDIODRIVER=dummy

NOBODY=65534
AS_NOBODY="setpriv --reuid=$NOBODY --regid=$NOBODY --clear-groups"
# A settings file whose replacement is larger than the limit of "full".
printf '[Time System]\r\nChime=7\r\n' >"$INI"
cp "$INI" "$SCRATCH/original.ini"
case "${SAVE_FAILURE:?}" in
folder | rootfile)
    chown -R "$NOBODY:$NOBODY" "$SCRATCH"
    [ "$SAVE_FAILURE" = rootfile ] && chown 0:0 "$INI"
    WRAPPER=$AS_NOBODY
    REASON="Permission denied"
    ;;
full)
    WRAPPER="prlimit --fsize=100:unlimited"  # the soft limit: it can be lifted again
    REASON="File too large"
    ;;
*) fail "unknown SAVE_FAILURE=$SAVE_FAILURE" ;;
esac
# -ac lets nobody in.
scratch_display -noreset -ac -screen 0 800x600x24
scratch_window_manager

# Starts the clock as $WRAPPER says, its stderr through a pipe (a file would
# fall under the size limit too), and waits for its window to have the focus.
start_clock() {
    # shellcheck disable=SC2086
    $WRAPPER "$CLOCK" 2> >(cat >"$SCRATCH/stderr.txt") &
    CLOCK_PID=$!
    scratch_track "$CLOCK_PID"
    MAIN=$(e2e_wait_active Vellmor) || fail "the clock's window never had the focus"
}
# The cause of the failure, while the clock runs.
break_saving() {
    case "$SAVE_FAILURE" in
    folder) chmod 0555 "$SCRATCH" ;;
    *) ;;  # from the start
    esac
}
mend_saving() {
    case "$SAVE_FAILURE" in
    folder) chmod 0700 "$SCRATCH" ;;
    full) prlimit --pid "$CLOCK_PID" --fsize=unlimited ;;
    rootfile) chown "$NOBODY:$NOBODY" "$INI" ;;
    esac
}
unchanged() { cmp -s "$SCRATCH/original.ini" "$INI" || fail "the settings file changed ($1)"; }

# OK in the settings dialog: a box (titled as the clock) says that the
# save failed; the old file stays. Chime=7 opens as "半刻ごと", which OK
# makes 3.
start_clock
break_saving
e2e_menu f s
SETTINGS=$(e2e_wait_active "Vellmor の設定") || fail "the settings dialog did not open"
xdotool key Return
e2e_wait_gone "$SETTINGS" || fail "Return left the settings dialog open"
BOX=$(e2e_wait_active Vellmor "" "$MAIN") || fail "no message box after OK whose save failed"
unchanged "OK"
xdotool key Return
e2e_wait_gone "$BOX" || fail "Return left the message box open"
# The change was kept: with the cause gone, the save at the end writes it.
mend_saving
e2e_stop_clock
e2e_expect_saved "Chime=3"
echo "OK: a box, the file unchanged, the change written once saving worked again"

# The save at the end fails: one line on stderr, status 1.
cp "$SCRATCH/original.ini" "$INI"
[ "$SAVE_FAILURE" = rootfile ] && chown 0:0 "$INI"
start_clock
break_saving
scratch_stop "$CLOCK_PID" || fail "still running $POLL_SECONDS s after SIGTERM"
chmod 0700 "$SCRATCH"
[ "$EXIT_STATUS" -eq 1 ] || fail "exit status $EXIT_STATUS after a failed save at the end"
LINE="vellmor: the settings could not be saved to $INI: $REASON"
# The pipe's reader may write the file a moment after the clock has gone.
poll_until "$POLL_SECONDS" grep -qxF "$LINE" "$SCRATCH/stderr.txt" ||
    fail "stderr lacks \"$LINE\": $(cat "$SCRATCH/stderr.txt")"
unchanged "exit"
echo "exit: status 1, \"$LINE\""
