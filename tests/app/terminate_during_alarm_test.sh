#!/bin/sh
# Asked to end (SIGTERM) while the alarm's message box waits for OK, the clock
# closes the box, saves its settings and exits with status 0.
set -u
PROGRAM="$1"
WORK=$(mktemp -d)
export XDG_RUNTIME_DIR="$WORK/run"
mkdir -m 700 "$XDG_RUNTIME_DIR"
export SDL_AUDIODRIVER=dummy
cp "$PROGRAM" "$WORK/vellmor"
cd "$WORK"
fail() { echo "FAIL: $*"; kill -9 "${PID:-0}" 2>/dev/null; exit 1; }
printf '[Alarm]\nEnable=1\nHour=12\nMinutes=1\n' > vellmor.ini

# The clock itself must get the signal, so libfaketime is preloaded rather
# than started through its wrapper.
LD_PRELOAD=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1 \
FAKETIME='@2006-01-01 12:00:57' FAKETIME_DONT_FAKE_MONOTONIC=1 TZ=Asia/Tokyo \
    ./vellmor & PID=$!

i=0
until [ "$(xdotool search --onlyvisible --classname vellmor 2>/dev/null | wc -l)" -ge 2 ]; do
    i=$((i + 1)); [ $i -le 150 ] || fail "no alarm box"
    sleep 0.1
done

kill -TERM $PID
i=0
while kill -0 $PID 2>/dev/null; do
    i=$((i + 1)); [ $i -le 100 ] || fail "still running 10 s after SIGTERM"
    sleep 0.1
done
wait $PID; status=$?
[ $status -eq 0 ] || fail "exit status $status"
grep -q '^Chime=3' vellmor.ini || fail "settings not saved"
cd / && rm -rf "$WORK"
echo PASS
