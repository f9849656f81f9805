#!/bin/bash
# The clock in a panel: with Indicator=1 it registers its item with the
# panel (a stand-in StatusNotifierWatcher on a session bus of the test's own)
# whose title, label, icon and menu follow the toki across the boundary at
# 15:25 (夕七つ, 2006-01-01 at the default place). The menu hides and shows
# the window, the close box hides it to the panel, and 終了 ends the program
# with its settings saved.
. "$(dirname "$0")/clock_harness.sh" "$@"
. "$(dirname "$0")/panel_bus.sh"

BOUNDARY=80  # 15:25:00
printf '%s\r\n' "[Time Display]" "Indicator=1" >"$INI"
panel_bus
panel_watcher
scratch_display
scratch_window_manager
e2e_start_clock "2006-01-01 15:23:40"
WIN=$(e2e_wait_window Vellmor) || fail "no window titled Vellmor"
panel_wait_item
e2e_expect_before $((BOUNDARY - 5)) "the item"

title=$(panel_item Title)
[ "$title" = "昼八つ半（未>申） — 次は 夕七つ 15:25" ] || fail "title before 15:25: $title"
[ "$(panel_item XAyatanaLabel)" = "$title" ] || fail "label: $(panel_item XAyatanaLabel)"
[ "$(panel_item IconName)" = vellmor-sign-07-light ] || fail "icon: $(panel_item IconName)"
icons=$(panel_item IconThemePath)
for size in 16 22 24 32 48; do
    file="$icons/hicolor/${size}x${size}/apps/vellmor-sign-07-light.png"
    [ "$(identify -format '%wx%h' "$file" 2>/dev/null)" = "${size}x${size}" ] ||
        fail "no ${size} px sign in $icons"
done
menu=$(panel_menu | paste -sd '|')
[ "$menu" = "時計を隠す|-|鐘をつく|設定|アラーム|刻のアラーム|ときの情報|-|終了" ] ||
    fail "menu: $menu"

e2e_sleep_until "$BOUNDARY"
turned() { panel_item Title | grep -q '^夕七つ（申） — 次は 夕七つ半 1[67]:[0-5][0-9]$'; }
poll_until 30 turned || fail "title after 15:25: $(panel_item Title)"
[ "$(panel_item IconName)" = vellmor-sign-08-light ] || fail "icon after 15:25: $(panel_item IconName)"

# The menu hides the window and shows it again.
panel_click 時計を隠す
e2e_wait_gone "$WIN" || fail "the window still shows after 時計を隠す"
[ "$(panel_menu | head -1)" = 時計を表示 ] || fail "menu while hidden: $(panel_menu | head -1)"
panel_click 時計を表示
WIN=$(e2e_wait_window Vellmor) || fail "時計を表示 did not bring the window back"

# The close box hides the window; the clock goes on in the panel.
MAIN=$(e2e_wait_active Vellmor) || fail "the window never had the focus"
xdotool key alt+F4
e2e_wait_gone "$MAIN" || fail "the close box left the window up"
scratch_running "$CLOCK_PID" || fail "the close box ended the clock"
[ -n "$(panel_item Title)" ] || fail "the item left the panel with the window"

# 終了 ends the program and saves.
rm -f "$INI"
panel_click 終了
e2e_wait_exit "$CLOCK_PID" "$POLL_SECONDS"
[ "$EXIT_STATUS" -eq 0 ] || fail "exit status $EXIT_STATUS after 終了"
tr -d '\r' <"$INI" | grep -qx 'Indicator=1' || fail "settings not saved at 終了"
grep -q 'no panel' "$SCRATCH/stderr.txt" && fail "said no panel: $(cat "$SCRATCH/stderr.txt")"
exit 0
