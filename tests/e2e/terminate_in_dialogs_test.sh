#!/bin/bash
# Asked to end (SIGTERM, as a session manager does) while a dialog or a
# message box is open, the clock ends it as cancelled, closes its window,
# saves its settings and exits with status 0, without waiting for a user.
# The windows are opened with the keyboard under a window manager.
. "$(dirname "$0")/clock_harness.sh" "$@"

scratch_display
scratch_window_manager

# terminate_over WHAT: SIGTERM with WHAT open; then the file is saved (it
# gains the keys it lacked).
terminate_over() {
    e2e_stop_clock 30
    e2e_expect_saved "Chime=3"
    echo "ended over $1"
}

# The dialogs, chosen from the menus: MENU ITEM TITLE.
while read -r menu item title; do
    e2e_start_focused_clock
    e2e_menu "$menu" "$item"
    e2e_wait_active "$title" >/dev/null || fail "Alt+$menu $item did not open \"$title\""
    terminate_over "\"$title\""
done <<'DIALOGS'
f s Vellmor の設定
f l アラームの設定
f i ときの情報
h a バージョン情報
DIALOGS

# The help box.
e2e_start_focused_clock
e2e_menu h h
e2e_wait_active Vellmor "" "$MAIN" >/dev/null || fail "no help box"
terminate_over "the help box"

# A validation message over the settings dialog and over the alarm dialog:
# Enter (OK) rejects the field the file gave it.
e2e_start_focused_clock "[Location]" "Longitude Degrees=200"
e2e_menu f s
e2e_wait_active "Vellmor の設定" >/dev/null || fail "no settings dialog"
xdotool key Return
e2e_wait_active Vellmor "" "$MAIN" >/dev/null || fail "no message for longitude 200"
terminate_over "the message over the settings"
e2e_expect_saved "Longitude Degrees=200"

e2e_start_focused_clock "[Alarm]" "Enable=1" "Hour=25" "Minutes=0"
e2e_menu f l
e2e_wait_active "アラームの設定" >/dev/null || fail "no alarm dialog"
xdotool key Return
e2e_wait_active Vellmor "" "$MAIN" >/dev/null || fail "no message for hour 25"
terminate_over "the message over the alarm dialog"
e2e_expect_saved "Enable=1" "Hour=25"
