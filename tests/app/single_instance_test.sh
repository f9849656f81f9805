#!/bin/sh
# One copy at a time, decided by the running copy's advisory lock, never by
# the process number in the lock file: a lock file that names a live process
# of another program does not stop the clock; a lock left by kill -9 is taken
# over without a word; of two copies started at the same instant exactly one
# runs; and a lock that cannot be removed at the end (its folder gone, or
# made unchangeable) does not hold the close.
set -u
. "$(dirname "$0")/../support/scratch_clock.sh"
scratch_begin single-instance "$1"
scratch_display
cd "$SCRATCH" || exit 1
LOCK="$XDG_RUNTIME_DIR/ShogyouMujou"

# start: ./vellmor in the background as $PID.
start() { ./vellmor & PID=$!; scratch_track $PID; }
wait_window() { scratch_expect_window "$PID" "$1"; }
stop() { scratch_expect_stop "$PID" "$1"; }
one_window() {
    n=$(scratch_windows | wc -l)
    [ "$n" -eq 1 ] || fail "$n windows of the clock ($1): a message box?"
}

# A lock file naming a process that lives but is not a clock (its number
# taken again after a reboot, with the file kept in the home folder).
sleep 600 &
OTHER=$!
scratch_track $OTHER
(umask 077 && echo "$OTHER" >"$LOCK")  # as a clock leaves it: mode 0600
start
wait_window "a lock naming process $OTHER, a sleep" >/dev/null
one_window "a lock naming another program"
stop "a lock naming another program"

# A lock left by a crash: taken over silently.
start
wait_window "first start" >/dev/null
kill -9 $PID
scratch_wait_exit $PID || fail "still running after SIGKILL"
[ -e "$LOCK" ] || fail "kill -9 left no lock file: the test proves nothing"
start
WIN=$(wait_window "after kill -9") || exit 1
# A box about the stale lock would come with the window or at the first idle
# moment after it; the window painted means that moment has passed.
poll_until "$POLL_SECONDS" sh -c "import -window $WIN -depth 8 rgb:- 2>/dev/null | od -An -tx1 | grep -qv '^ *\(00 \)*00$'" ||
    fail "the clock's window never painted"
one_window "after kill -9"
stop "after kill -9"

# Two copies started at the same instant: exactly one runs; the other ends
# by itself with status 0.
./vellmor & A=$!; ./vellmor & B=$!
scratch_track $A
scratch_track $B
one_ended() { scratch_ended $A || scratch_ended $B; }
poll_until "$POLL_SECONDS" one_ended || fail "both copies still run after $POLL_SECONDS s"
if scratch_ended $A; then ENDED=$A PID=$B; else ENDED=$B PID=$A; fi
scratch_wait_exit $ENDED
[ "$EXIT_STATUS" -eq 0 ] || fail "the second copy ended with status $EXIT_STATUS"
wait_window "the copy that runs" >/dev/null
one_window "two copies at once"
scratch_running $PID || fail "neither copy runs"
stop "two copies at once"

# At the end the lock file cannot be removed: the close is not held up by a
# box waiting for OK.
export XDG_RUNTIME_DIR="$SCRATCH/run2"
mkdir -m 700 "$XDG_RUNTIME_DIR"
start
wait_window "lock in run2" >/dev/null
[ -e "$XDG_RUNTIME_DIR/ShogyouMujou" ] || fail "no lock file in $XDG_RUNTIME_DIR"
if chattr +i "$XDG_RUNTIME_DIR" 2>/dev/null; then
    status=0
    scratch_stop $PID || status=1
    chattr -i "$XDG_RUNTIME_DIR"
    [ $status -eq 0 ] || fail "the clock did not end with its lock's folder unchangeable"
    [ "$EXIT_STATUS" -eq 0 ] || fail "exit status $EXIT_STATUS with the lock's folder unchangeable"
else
    echo "chattr +i is not available here: that case is left out"
    stop "lock in run2"
fi
start
wait_window "lock folder to be removed" >/dev/null
rm -rf "$XDG_RUNTIME_DIR"
stop "the lock's folder removed"
