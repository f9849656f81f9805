#!/bin/bash
# Toki alarms at the default place (横浜) on 2006-01-01, where 暮六つ begins at
# 17:15 (6 strikes), and quiet hours from 暮六つ to 明六つ:
#   17:13 暮六つ less 2, the alarm sound and its box: snoozed at once;
#   17:14 暮六つ less 1, the bell: 暮六つ's 6 strikes;
#   17:15 暮六つ begins: its chime is silent, within the quiet hours;
#   17:16 暮六つ plus 1, the bell, within the quiet hours: 6 strikes;
#   17:18 the snoozed box again, 5 minutes after 17:13, until OK.
# What sounded is checked on the recording, the settings file after the end.
. "$(dirname "$0")/clock_harness.sh" "$@"

BOX=20         # 17:13:00
BELL=80        # 17:14:00
CHIME=140      # 17:15:00
QUIET_BELL=200 # 17:16:00
SNOOZE=320     # 17:18:00
label=$(printf '夕の支度' | iconv -f UTF-8 -t CP932)
printf '%s\r\n' "[Time System]" "QuietFrom=18" "QuietTo=6" \
    "[Toki Alarm 1]" "Toki=18" "Offset=-2" "Sound=1" "Label=$label" \
    "[Toki Alarm 2]" "Toki=18" "Offset=-1" "Sound=0" \
    "[Toki Alarm 3]" "Toki=18" "Offset=1" >"$INI"

scratch_display
scratch_window_manager
e2e_start_clock "2006-01-01 17:12:40"
WIN=$(e2e_wait_window Vellmor) || fail "no window titled Vellmor"
e2e_wait_painted "$WIN" first
e2e_expect_before "$BOX" "the first paint"

# box_at OFFSET: the alarm box shows, not before OFFSET; echoes its id.
box_at() {
    box=$(e2e_wait_window "アラーム時刻です") || fail "no alarm box for $1 s"
    at=$(e2e_offset_now)
    awk -v at="$at" -v due="$1" 'BEGIN { exit !(at > due - 0.5) }' ||
        fail "alarm box at $at s, before its minute at $1 s"
    echo "$box"
}
# press WINDOW KEY: the key in the box, which the window manager focused.
press() {
    xdotool windowfocus --sync "$1" 2>/dev/null || true
    xdotool key "$2"
    e2e_wait_gone "$1" || fail "$2 did not close the alarm box"
}

FIRST=$(box_at "$BOX")
e2e_sleep_until $((BOX + 3))
press "$FIRST" alt+s  # スヌーズ(S)
SNOOZED=$(e2e_offset_now)
e2e_sleep_until $((SNOOZE - 3))
[ -z "$(scratch_titled_window "アラーム時刻です")" ] || fail "a box before the snooze's minute"
SECOND=$(box_at "$SNOOZE")
e2e_sleep_until $((SNOOZE + 3))
press "$SECOND" Return  # OK
OK=$(e2e_offset_now)
e2e_sleep_until $((SNOOZE + 6))
e2e_stop_clock

# pipi.wav: two beeps 0.15 s apart, one loop a second, from the minute until
# the box is answered.
expect_pipi() {
    from=$1 until=$2
    sounds=$(e2e_onsets_between $((from - 2)) "$(awk -v u="$until" 'BEGIN { print u + 0.5 }')" | tr '\n' ' ')
    echo "alarm sound from $from s to $until s: [ $sounds]"
    awk -v got="$sounds" -v until="$until" -v due="$from" 'BEGIN {
        n = split(got, g, " ")
        if (n < 2 || g[1] < due - 0.3 || g[1] > due + 1) exit 1
        for (i = 2; i <= n; i++) {
            if (g[i] > until + 0.3) exit 1
            gap = g[i] - g[i - 1]
            want = (i % 2 == 0) ? 0.15 : 0.85
            if (gap < want - 0.12 || gap > want + 0.12) exit 1
        }
    }' || fail "not the alarm sound from $from s until $until s"
}
expect_pipi "$BOX" "$SNOOZED"
expect_pipi "$SNOOZE" "$OK"
# Between them: the two bell alarms alone, each 暮六つ's six strikes 1.6 s
# into its minute and then every 6 s; nothing at 暮六つ itself.
strikes() { for k in 0 1 2 3 4 5; do echo "$(($1 + 1 + 6 * k)).6"; done; }
e2e_expect_onsets "$(awk -v s="$SNOOZED" 'BEGIN { print s + 1 }')" $((BELL + 50)) 1 $(strikes "$BELL")
e2e_expect_onsets $((BELL + 50)) $((QUIET_BELL - 1)) 1
e2e_expect_onsets $((QUIET_BELL - 1)) $((SNOOZE - 2)) 1 $(strikes "$QUIET_BELL")
# Ringing changed nothing of them.
e2e_expect_saved "QuietFrom=18" "QuietTo=6" "[Toki Alarm 1]" "Offset=-2" "Sound=1" "Label=$label" \
    "[Toki Alarm 2]" "Offset=-1" "[Toki Alarm 3]" "Offset=1"
