#!/bin/bash
# Starting with the indicator on. Where no panel takes the item (no
# StatusNotifierWatcher on the session bus) the clock says so once on stderr
# and shows its window, --hidden or not. Where one does, --hidden starts the
# clock in the panel alone, and the panel's menu shows the window.
. "$(dirname "$0")/clock_harness.sh" "$@"
. "$(dirname "$0")/panel_bus.sh"

printf '%s\r\n' "[Time Display]" "Indicator=1" >"$INI"
panel_bus
scratch_display

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
e2e_stop_clock
! grep -q 'no panel' "$SCRATCH/stderr.txt" || fail "said no panel: $(cat "$SCRATCH/stderr.txt")"
exit 0
