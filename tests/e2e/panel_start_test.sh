#!/bin/bash
# Starting with the indicator on. Where no panel takes the item (no
# StatusNotifierWatcher on the session bus) the clock says so once on stderr
# and shows its window, --hidden or not. Where one does, --hidden starts the
# clock in the panel alone, and the panel's menu shows the window. Switched
# off in the settings (opened from the panel's menu), the item leaves the
# panel at OK and the setting is saved. The session's end (SIGHUP) saves a
# clock that is in the panel alone, as it saves one with its window.
. "$(dirname "$0")/clock_harness.sh" "$@"
. "$(dirname "$0")/panel_bus.sh"

printf '%s\r\n' "[Time Display]" "Indicator=1" >"$INI"
panel_bus
scratch_display
scratch_window_manager

e2e_start_clock "" --hidden
e2e_wait_window Vellmor >/dev/null || fail "no window without a panel, with --hidden"
said() { grep -q 'no panel shows the clock' "$SCRATCH/stderr.txt"; }
poll_until "$POLL_SECONDS" said || fail "nothing said on stderr: $(cat "$SCRATCH/stderr.txt")"
e2e_stop_clock
lines=$(grep -c 'no panel shows the clock' "$SCRATCH/stderr.txt")
[ "$lines" -eq 1 ] || fail "said $lines times: $(cat "$SCRATCH/stderr.txt")"
grep -q 'StatusNotifierWatcher' "$SCRATCH/stderr.txt" || fail "no reason: $(cat "$SCRATCH/stderr.txt")"

panel_watcher
e2e_start_clock "" --hidden
panel_wait_item
# The window is shown, if at all, right after the item registers: give it time.
sleep 3
[ -z "$(scratch_windows)" ] || fail "a window with --hidden while in the panel"
panel_click 時計を表示
e2e_wait_window Vellmor >/dev/null || fail "時計を表示 showed no window"
e2e_wait_active Vellmor >/dev/null || fail "the shown window never had the focus"

# From 鐘をつく回数, Shift+Tab goes back through 鐘をつく間隔, ｷｬﾝｾﾙ and OK to
# ログイン時に起動, then ときをお知らせ, then パネルに表示, then an edit, where
# Enter is OK.
panel_click 設定
SETTINGS=$(e2e_wait_active "Vellmor の設定") || fail "設定 from the panel opened no settings"
xdotool key --delay 100 shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab space \
    shift+Tab Return
e2e_wait_gone "$SETTINGS" || fail "Enter left the settings open"
item_active() { [ "$(panel_item Status 2>/dev/null)" = Active ]; }
item_left() { ! item_active; }
poll_until "$POLL_SECONDS" item_left || fail "the item stayed in the panel after OK"
e2e_wait_window Vellmor >/dev/null || fail "no window once the item has left"
e2e_stop_clock
tr -d '\r' <"$INI" | grep -qx 'Indicator=0' || fail "not saved off: $(tr -d '\r' <"$INI")"
! grep -q 'no panel' "$SCRATCH/stderr.txt" || fail "said no panel: $(cat "$SCRATCH/stderr.txt")"

# In the panel alone, the session ends: the settings are written all the same.
printf '%s\r\n' "[Time Display]" "Indicator=1" >"$INI"
: >"$ITEMS"
e2e_start_clock "" --hidden
panel_wait_item
e2e_expect_no_window() { [ -z "$(scratch_windows)" ]; }
e2e_expect_no_window || fail "a window with --hidden while in the panel (second start)"
kill -HUP "$CLOCK_PID"
e2e_wait_exit "$CLOCK_PID" "$POLL_SECONDS"
[ "$EXIT_STATUS" -eq 0 ] || fail "status $EXIT_STATUS after SIGHUP"
tr -d '\r' <"$INI" | grep -qx '\[Alarm\]' || fail "not saved at the session's end"
exit 0
