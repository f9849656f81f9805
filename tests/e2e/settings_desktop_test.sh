#!/bin/bash
# The settings dialog's desktop check boxes, switched with keys typed through
# the X server under a window manager: "ログイン時に起動" makes and removes
# the session's autostart entry while the clock runs, and shows it on only
# when the entry is there and not switched off by another desktop
# (Hidden=true); "パネルに表示" and "ときをお知らせ" are in the settings file
# after the clock has ended. An entry that cannot be written is said in a box.
. "$(dirname "$0")/clock_harness.sh" "$@"

scratch_display
scratch_window_manager

ENTRY="$XDG_CONFIG_HOME/autostart/org.vellmor.vellmor.desktop"

# The dialog's focus starts in 鐘をつく回数; Shift+Tab goes back through
# 鐘をつく間隔, ｷｬﾝｾﾙ and OK round to the last control: ログイン時に起動,
# then ときをお知らせ, then パネルに表示, then the quiet hours' last edit.
open_settings() {
    e2e_wait_active Vellmor >/dev/null || fail "the clock's window lost the focus"
    e2e_menu f s
    SETTINGS=$(e2e_wait_active "Vellmor の設定") || fail "the settings did not open"
    xdotool key --delay 100 shift+Tab shift+Tab shift+Tab shift+Tab
}
back() { xdotool key --delay 100 shift+Tab; }
# Enter in an edit is OK.
ok_from_the_edit() {
    xdotool key Return
    e2e_wait_gone "$SETTINGS" || fail "Enter left the settings open"
}
# The entry is switched just after the dialog has closed.
entry_starts_us() { [ -f "$ENTRY" ] && grep -qxF "Exec=$SCRATCH_CLOCK --hidden" "$ENTRY"; }
entry_gone() { [ ! -e "$ENTRY" ]; }

# All three on.
e2e_start_focused_clock
open_settings
xdotool key space
back
xdotool key space
back
xdotool key space
back
ok_from_the_edit
poll_until "$POLL_SECONDS" entry_starts_us ||
    fail "no entry that starts $SCRATCH_CLOCK --hidden: $(cat "$ENTRY" 2>&1)"
[ "$(head -1 "$ENTRY")" = "[Desktop Entry]" ] || fail "not a desktop entry: $(cat "$ENTRY")"
! grep -q '^Hidden=' "$ENTRY" || fail "the entry is hidden: $(cat "$ENTRY")"
e2e_stop_clock
e2e_expect_saved "[Time Display]" "Indicator=1" "Notify=1"

# The box opens on: Space switches it off, and ときをお知らせ too.
e2e_start_focused_clock "[Time Display]" "Indicator=1" "Notify=1"
open_settings
xdotool key space
back
xdotool key space
back
back
ok_from_the_edit
poll_until "$POLL_SECONDS" entry_gone || fail "the autostart entry is still there"
e2e_stop_clock
e2e_expect_saved "Indicator=1" "Notify=0"

# An entry another desktop has switched off opens as off: Space switches it
# on, which writes the entry afresh.
printf '%s\n' "[Desktop Entry]" "Type=Application" "Exec=/old/vellmor --hidden" "Hidden=true" \
    >"$ENTRY"
e2e_start_focused_clock
open_settings
xdotool key space
back
back
back
ok_from_the_edit
poll_until "$POLL_SECONDS" entry_starts_us || fail "the hidden entry was not written afresh: $(cat "$ENTRY" 2>&1)"
! grep -q '^Hidden=' "$ENTRY" || fail "the entry is still hidden: $(cat "$ENTRY")"
e2e_stop_clock

# A file where the autostart folder would be: the entry cannot be written,
# and a box (titled as the clock) says so.
rm -r "$(dirname "$ENTRY")"
echo "not a folder" >"$(dirname "$ENTRY")"
e2e_start_focused_clock
open_settings
xdotool key space
back
back
back
ok_from_the_edit
BOX=$(e2e_wait_active Vellmor "" "$MAIN") || fail "no message box when the entry cannot be written"
xdotool key Return
e2e_wait_gone "$BOX" || fail "Enter left the message box open"
e2e_stop_clock
