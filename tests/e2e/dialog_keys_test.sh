#!/bin/bash
# Every dialog and message box of the clock answers the keyboard. Keys are
# typed through the X server, under a window manager that gives each new
# window the focus as a desktop does, to the real program: menus open with
# their mnemonics, Enter is OK, Esc and the window manager's close (Alt+F4)
# are Cancel, and what OK accepted is in the settings file once the clock
# has ended.
. "$(dirname "$0")/clock_harness.sh" "$@"

scratch_display
scratch_window_manager

# open_with MENU ITEM TITLE: chooses the menu item from the focused clock
# window and echoes the id of the window it opens, once that has the focus.
# Called as W=$(open_with ...): a failure ends the test (set -e).
open_with() {
    e2e_wait_active Vellmor "" >/dev/null || fail "the clock's window lost the focus"
    e2e_menu "$1" "$2"
    if [ "$3" = Vellmor ]; then
        e2e_wait_active Vellmor "" "$MAIN" || fail "Alt+$1 $2 opened no message box"
    else
        e2e_wait_active "$3" || fail "Alt+$1 $2 did not open \"$3\" with the focus"
    fi
}

# closes_on KEY WINDOW WHAT: the key closes the window.
closes_on() {
    xdotool key "$1"
    e2e_wait_gone "$2" || fail "$1 left $3 open"
}

# The chart has no control to hold the focus; the about box and the help
# box have only OK.
e2e_start_focused_clock
for key in Return Escape alt+F4; do
    CHART=$(open_with f i "ときの情報")
    closes_on $key "$CHART" "the day chart"
    ABOUT=$(open_with h a "バージョン情報")
    closes_on $key "$ABOUT" "the about box"
    HELP=$(open_with h h Vellmor)
    closes_on $key "$HELP" "the help box"
done
e2e_stop_clock

# Settings: Esc and Alt+F4 cancel, Enter accepts. A chime value of the
# file's own opens as "半刻ごと", which OK stores as 3.
e2e_start_focused_clock "[Time System]" "Chime=7"
for key in Escape alt+F4; do
    SETTINGS=$(open_with f s "Vellmor の設定")
    closes_on $key "$SETTINGS" "the settings"
done
e2e_stop_clock
e2e_expect_saved "Chime=7"
e2e_start_focused_clock "[Time System]" "Chime=7"
SETTINGS=$(open_with f s "Vellmor の設定")
closes_on Return "$SETTINGS" "the settings"
e2e_stop_clock
e2e_expect_saved "Chime=3"

# A rejected field: Enter at the settings shows the message; Enter, Esc or
# Alt+F4 closes it and gives the keyboard back to the field, its text
# selected, so that typing replaces it.
e2e_start_focused_clock "[Location]" "Longitude Degrees=200"
SETTINGS=$(open_with f s "Vellmor の設定")
for key in Return Escape alt+F4; do
    xdotool key Return
    BOX=$(e2e_wait_active Vellmor "" "$MAIN") || fail "no message for longitude 200"
    closes_on $key "$BOX" "the message"
    BACK=$(e2e_wait_active "Vellmor の設定") || fail "the settings did not get the focus back"
    [ "$BACK" = "$SETTINGS" ] || fail "another settings window has the focus"
done
xdotool type 140
closes_on Return "$SETTINGS" "the settings with longitude 140"
e2e_stop_clock
e2e_expect_saved "Longitude Degrees=140"

# Alarm: Space checks the box (the focus starts on it) and makes the time
# edits usable; Tab reaches them, typing replaces their text. Then Space
# and Esc or Alt+F4: unchecked, but cancelled.
e2e_start_focused_clock "[Alarm]" "Enable=0" "Hour=12" "Minutes=0"
ALARM=$(open_with f l "アラームの設定")
xdotool key space Tab
xdotool type 7
xdotool key Tab
xdotool type 30
closes_on Return "$ALARM" "the alarm dialog"
for key in Escape alt+F4; do
    ALARM=$(open_with f l "アラームの設定")
    xdotool key space
    closes_on $key "$ALARM" "the alarm dialog"
done
e2e_stop_clock
e2e_expect_saved "Enable=1" "Hour=7" "Minutes=30"

# An "Enable" the box cannot show, from a hand-edited file, opens as off
# with the time edits disabled: Tab skips them, the typed digit goes
# nowhere, Enter is OK on the unchecked box.
e2e_start_focused_clock "[Alarm]" "Enable=5" "Hour=12" "Minutes=0"
ALARM=$(open_with f l "アラームの設定")
xdotool key Tab
xdotool type 7
closes_on Return "$ALARM" "the alarm dialog"
e2e_stop_clock
e2e_expect_saved "Enable=0" "Hour=12" "Minutes=0"
