#!/bin/bash
# The shell around the clock: "vellmor /RegServer" ends at once with status 0
# and no window; a second copy started while the clock runs ends at once with
# status 0; and a hand-made settings file, with comments, a section of its
# own and "Time Difference=8", comes back with all of its lines after SIGTERM.
. "$(dirname "$0")/clock_harness.sh" "$@"

ORIGINAL="$SCRATCH/original.ini"
iconv -f UTF-8 -t CP932 <<'INI' | sed 's/$/\r/' >"$ORIGINAL"
; 時の鐘の設定 (手で書いたもの)
[Time System]
Chime=1
; 鐘の数は時刻と同じ
ChimeCount=2

[メモ]
note=この節はそのまま残ること
[Location]
# 那覇
Latitude Degrees=26
Latitude Minutes=13
Longitude Degrees=127
Longitude Minutes=40
Time Difference=8
City=那覇
[Alarm]
Enable=0
Hour=7
Minutes=30
INI
cp "$ORIGINAL" "$INI"
scratch_display

for display in "" "$DISPLAY"; do
    status=0
    DISPLAY=$display timeout "$POLL_SECONDS" "$CLOCK" /RegServer || status=$?
    [ "$status" -eq 0 ] || fail "/RegServer (DISPLAY='$display') ended with status $status"
done
[ -z "$(scratch_windows)" ] || fail "/RegServer left a window"
cmp -s "$ORIGINAL" "$INI" || fail "/RegServer touched the settings file"

e2e_start_clock ""
e2e_wait_window Vellmor >/dev/null || fail "no window titled Vellmor"
# It ends by itself, never entering its main loop.
status=0
timeout "$POLL_SECONDS" "$CLOCK" || status=$?
[ "$status" -ne 124 ] || fail "second copy still running after $POLL_SECONDS s"
[ "$status" -eq 0 ] || fail "second copy ended with status $status"
[ "$(scratch_windows | wc -l)" -eq 1 ] || fail "second copy showed a window"
e2e_stop_clock

# Every line of the original, in its order, byte for byte; the keys the
# file lacked are added; "Time Difference" is never written.
LC_ALL=C awk 'BEGIN { n = 0; k = 0 }
              NR == FNR { want[n++] = $0; next }
              k < n && $0 "" == want[k] "" { k++ }
              END { exit k < n }' "$ORIGINAL" "$INI" || fail "lines of the original lost"
for line in "Joya=32" "12Shi Display=3" "[Time Display]" "AddText=0"; do
    grep -qxF "$line"$'\r' "$INI" || fail "\"$line\" not written"
done
[ "$(grep -c '^Time Difference=' "$INI")" -eq 1 ] || fail "\"Time Difference\" written"
