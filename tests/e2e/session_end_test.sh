#!/bin/bash
# A change confirmed in the alarm dialog, with keys and clicks under a window
# manager, survives every way a session can end on Linux. SESSION_END says
# which this run tries:
#   hangup   SIGHUP (the terminal closed): the clock closes as if asked and
#            saves again, status 0;
#   display  the X server ends under the running clock: the settings are
#            saved again before the process ends;
#   kill     SIGKILL right after OK: no chance to save at the end, the file
#            already holds the change.
. "$(dirname "$0")/clock_harness.sh" "$@"

# The alarm edits take input only while the alarm is on.
printf '[Alarm]\r\nEnable=1\r\nHour=12\r\nMinutes=0\r\n' >"$INI"
scratch_display
scratch_window_manager
e2e_start_clock "2006-01-01 10:00:00"
WIN=$(e2e_wait_window Vellmor) || fail "no window titled Vellmor"

# ファイル(F) > アラーム(L), typed.
xdotool windowactivate --sync "$WIN"
e2e_menu f l
DLG=$(e2e_wait_window "アラームの設定") || fail "the alarm dialog did not open"
xdotool windowactivate --sync "$DLG"

# The template measures 123 x 75 dialog units; clicks go to the middle of
# each control, found by scaling its template position to the real size.
eval "$(xdotool getwindowgeometry --shell "$DLG")"
click_du() {  # click_du X Y: a click at dialog units (X, Y)
    xdotool mousemove --window "$DLG" $(($1 * WIDTH / 123)) $(($2 * HEIGHT / 75)) click 1
}
type_into_du() {  # type_into_du X Y TEXT: replaces an edit's text by TEXT
    click_du "$1" "$2"
    xdotool key ctrl+a
    xdotool type "$3"
}
type_into_du 25 37 7    # hour edit, 15,30 20x14
type_into_du 60 37 45   # minute edit, 50,30 20x14
click_du 102 25         # OK, 90,10 25x30
e2e_wait_gone "$DLG" || fail "OK did not close the alarm dialog"

confirmed() { grep -q $'^Hour=7\r$' "$INI" && grep -q $'^Minutes=45\r$' "$INI"; }
e2e_poll "$POLL_SECONDS" confirmed ||
    fail "the confirmed alarm time is not in the file after OK: $(tr -d '\r' <"$INI" | tr '\n' ' ')"
saved_at_ok=$(stat -c %i "$INI")

case "${SESSION_END:?}" in
hangup)
    kill -HUP "$CLOCK_PID"
    e2e_wait_exit "$CLOCK_PID" 60
    [ "$EXIT_STATUS" -eq 0 ] || fail "status $EXIT_STATUS after SIGHUP"
    ;;
display)
    kill "$SCRATCH_XVFB_PID"
    SCRATCH_XVFB_PID=""
    e2e_wait_exit "$CLOCK_PID" 60
    echo "status $EXIT_STATUS after the display was lost"
    ;;
kill)
    kill -KILL "$CLOCK_PID"
    e2e_wait_exit "$CLOCK_PID" 60
    ;;
*) fail "unknown SESSION_END=$SESSION_END" ;;
esac

confirmed || fail "the confirmed alarm time was lost ($SESSION_END): $(tr -d '\r' <"$INI" | tr '\n' ' ')"
grep -q $'^Enable=1\r$' "$INI" || fail "the alarm was switched off"
# Saved again as the session ended: the atomic save replaces the file.
if [ "$SESSION_END" != kill ] && [ "$(stat -c %i "$INI")" = "$saved_at_ok" ]; then
    fail "the settings were not saved again at the end ($SESSION_END)"
fi
