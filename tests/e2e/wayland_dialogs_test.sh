#!/bin/bash
# On Wayland the dialogs and message boxes are children of the clock's
# window, so that the compositor stacks them over it (where it puts them is
# its own choice): the settings dialog opened from the menu with the keyboard,
# and the alarm's box; the alarm sounds as on X11; SIGTERM with the box open
# saves. weston runs on an X server of the test's own here, whose keyboard
# gives it a seat: its headless backend has none, and without one GTK crashes
# in every modal dialog. Skipped (status 77) where weston cannot start.
. "$(dirname "$0")/clock_harness.sh" "$@"
. "$(dirname "$0")/wayland_harness.sh"

wayland_start x11
# The alarm, on in the settings file for 10:01, comes 20 s after the start.
ALARM=20
printf '[Alarm]\r\nEnable=1\r\nHour=10\r\nMinutes=1\r\n' >"$INI"
e2e_start_clock "2006-01-01 10:00:40"
MAIN=$(wayland_wait_toplevel Vellmor) || fail "no window titled Vellmor"
wayland_wait_painted main
e2e_expect_before "$ALARM" "the first paint"

# Alt+F, S: the settings dialog, a child of the clock's window; Esc closes it.
poll_until "$POLL_SECONDS" wayland_keyboard_entered || fail "the clock never had the keyboard"
wayland_menu f s
SETTINGS=$(wayland_wait_toplevel "Vellmor の設定") || fail "Alt+F, S opened no settings dialog"
grep -a -q "xdg_toplevel@$SETTINGS\.set_parent(xdg_toplevel@$MAIN)" "$SCRATCH/stderr.txt" ||
    fail "the settings dialog is not a child of the clock's window"
wayland_shot settings || fail "no screenshot with the settings dialog"
wayland_x key Escape
settings_closed() { grep -a -q "xdg_toplevel@$SETTINGS\.destroy()" "$SCRATCH/stderr.txt"; }
poll_until "$POLL_SECONDS" settings_closed || fail "Esc did not close the settings dialog"
e2e_expect_before "$ALARM" "closing the settings dialog"

BOX=$(wayland_wait_toplevel "アラーム時刻です") || fail "no alarm box"
grep -a -q "xdg_toplevel@$BOX\.set_parent(xdg_toplevel@$MAIN)" "$SCRATCH/stderr.txt" ||
    fail "the alarm box is not a child of the clock's window"
wayland_shot alarm || fail "no screenshot with the alarm box"
alarm_sounded() { [ -n "$(e2e_onsets_between $((ALARM - 1)) 1000)" ]; }
poll_until "$POLL_SECONDS" alarm_sounded || fail "the alarm did not sound"

e2e_stop_clock
e2e_expect_saved "Enable=1" "Hour=10" "Minutes=1" "Chime=3"
