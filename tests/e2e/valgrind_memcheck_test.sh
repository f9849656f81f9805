#!/bin/bash
# The real program for 30 s under valgrind's memcheck, across the start of
# New Year's Eve (the menu item, the 15 s timer, a strike with its sound and
# animation) and a close by SIGTERM: no memory definitely lost, apart from the
# toolkit's own (valgrind-toolkit.supp).
. "$(dirname "$0")/clock_harness.sh" "$@"

LOG="$SCRATCH/memcheck.%p.log"
CLOCK_WRAPPER="valgrind --tool=memcheck --leak-check=full --show-leak-kinds=definite
 --num-callers=40 --suppressions=$(dirname "$0")/valgrind-toolkit.supp --log-file=$LOG"
scratch_display
e2e_start_clock "2006-12-31 23:43:40"  # 暁九つ and New Year's Eve at 23:44:00
e2e_wait_window Vellmor 300 >/dev/null || fail "no window titled Vellmor under valgrind"
# Runs until the first of the 108 strikes is heard, however slow the start:
# 15 s after 23:44:00, or after the first minute the clock saw when it came up
# later than that. The clock is then closed during the strike's animation.
strike_heard() { [ -s "$SOUND" ] && [ -n "$(e2e_onsets)" ]; }
poll_until 240 strike_heard || fail "no strike of New Year's Eve under valgrind"
e2e_stop_clock

# One log per process (GLib may fork a helper); every summary must say 0.
cat "$SCRATCH"/memcheck.*.log >"$SCRATCH/memcheck.txt"
grep -q "LEAK SUMMARY\|All heap blocks were freed" "$SCRATCH/memcheck.txt" || fail "no leak summary"
if grep "definitely lost:" "$SCRATCH/memcheck.txt" | grep -qv "definitely lost: 0 bytes"; then
    sed -n '/definitely lost in loss record/,/^==[0-9]*== $/p' "$SCRATCH/memcheck.txt" >&2
    fail "memory definitely lost"
fi
