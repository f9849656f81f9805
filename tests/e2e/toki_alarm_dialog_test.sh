#!/bin/bash
# The toki alarms' dialog and the quiet hours, driven by keys typed through
# the X server under a window manager, as a user drives them: "刻のアラーム"
# from ﾌｧｲﾙ (Alt+F T), the list's own keys (arrows, Delete, Space), the add
# button's mnemonic, the edit dialog field by field with Tab, a refused
# value's message closed with Enter and the field retyped. OK writes the settings file at once; what it holds is read
# while the clock runs and again after it has ended.
. "$(dirname "$0")/clock_harness.sh" "$@"

scratch_display
scratch_window_manager

# expect_lines FILE LINE...: the file holds each line (CR dropped).
expect_lines() {
    file=$1
    shift
    for line in "$@"; do
        tr -d '\r' <"$file" | grep -qxF -- "$line" || fail "$file lacks \"$line\""
    done
}
# section_of N FILE: the lines of "[Toki Alarm N]" up to the next header.
section_of() {
    tr -d '\r' <"$2" | awk -v h="[Toki Alarm $1]" '
        /^\[/ { inside = ($0 == h) } inside'
}

e2e_start_focused_clock "[Toki Alarm 1]" "Toki=6" "Offset=-720" "Days=1" "Note=kept" \
    "[Toki Alarm 2]" "Toki=12"
before=$(md5sum <"$INI")

# Esc cancels: a removal in the dialog leaves the file as it was.
e2e_menu f t
LIST=$(e2e_wait_active "刻のアラーム") || fail "Alt+F T did not open the toki alarms"
xdotool key Delete Escape
e2e_wait_gone "$LIST" || fail "Esc left the toki alarms open"
[ "$(md5sum <"$INI")" = "$before" ] || fail "Esc changed the settings file"

# In the list, which has the focus with its first row chosen: alarm 2
# removed with Delete, alarm 1 switched off with Space.
e2e_wait_active Vellmor >/dev/null || fail "the clock's window lost the focus"
e2e_menu f t
LIST=$(e2e_wait_active "刻のアラーム") || fail "Alt+F T did not open the toki alarms"
e2e_first_focus "$LIST"
xdotool key Down Delete space
# Add: 暮六つ 15 minutes before, Monday to Friday, the alarm sound, a label.
xdotool key alt+a
EDIT=$(e2e_wait_active "刻のアラームの設定") || fail "Alt+A did not open an alarm"
e2e_first_focus "$EDIT"
# The focus starts on "このアラームを鳴らす"; Tab: the kind (刻), the toki
# (暮六つ), then the offset, the hour and minute being off for a toki.
xdotool key Tab Tab Tab
xdotool type 999
xdotool key Return
BOX=$(e2e_wait_active Vellmor "" "$MAIN") || fail "no message for an offset of 999"
xdotool key Return
e2e_wait_gone "$BOX" || fail "Enter left the message open"
BACK=$(e2e_wait_active "刻のアラームの設定") || fail "the alarm did not get the focus back"
[ "$BACK" = "$EDIT" ] || fail "another window has the focus"
xdotool type 15  # replaces the selected 999
# 前 stays; Sunday and Saturday off; the sound group: アラーム音; the label.
xdotool key Tab Tab space Tab Tab Tab Tab Tab Tab space Tab Right Tab
xdotool type dinner
xdotool key Return
e2e_wait_gone "$EDIT" || fail "Enter left the alarm open"
e2e_wait_active "刻のアラーム" >/dev/null || fail "the list did not get the focus back"
# The focus is in the list again: back round past ｷｬﾝｾﾙ to OK.
xdotool key shift+Tab shift+Tab Return
e2e_wait_gone "$LIST" || fail "OK left the toki alarms open"

# Saved at once.
poll_until 10 grep -q "Label=dinner" "$INI" || fail "OK did not save the settings file"
cp "$INI" "$SCRATCH/at-ok.ini"

# The quiet hours in the settings dialog: Alt+K chooses them by clock time
# wherever the first focus lies, and Tab goes on past the two toki to the
# time they start; a time past 23:59 is refused by name.
e2e_wait_active Vellmor >/dev/null || fail "the clock's window lost the focus"
e2e_menu f s
SETTINGS=$(e2e_wait_active "Vellmor の設定") || fail "Alt+F S did not open the settings"
e2e_first_focus "$SETTINGS"
xdotool key alt+k Tab Tab Tab
xdotool type 21:30
xdotool key Tab
xdotool type 25:00
xdotool key Return
BOX=$(e2e_wait_active Vellmor "" "$MAIN") || fail "no message for 25:00"
xdotool key Return
e2e_wait_gone "$BOX" || fail "Enter left the message open"
e2e_wait_active "Vellmor の設定" >/dev/null || fail "the settings did not get the focus back"
xdotool type 6:00
xdotool key Return
e2e_wait_gone "$SETTINGS" || fail "Enter left the settings open"
e2e_stop_clock

# Alarm 2 was removed and the new one took its number, the lowest free.
for SAVED in "$SCRATCH/at-ok.ini" "$INI"; do
    section_of 1 "$SAVED" | grep -qxF "Note=kept" || fail "$SAVED lost a line of [Toki Alarm 1]"
    section_of 1 "$SAVED" | grep -qxF "Enable=0" || fail "$SAVED: alarm 1 not switched off"
    section_of 1 "$SAVED" | grep -qxF "Offset=-720" || fail "$SAVED: alarm 1 changed"
    for line in Enable=1 Toki=18 Offset=-15 Days=62 Sound=1 Label=dinner; do
        section_of 2 "$SAVED" | grep -qxF "$line" || fail "$SAVED: the new alarm lacks $line"
    done
    [ -z "$(section_of 3 "$SAVED")" ] || fail "$SAVED has a third alarm"
done
expect_lines "$INI" "QuietFrom=-1" "QuietTo=-1" "QuietFromTime=21:30" "QuietToTime=06:00"
