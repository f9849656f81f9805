#!/bin/bash
# Runs on an X display (run-smoke.sh gives it one with xvfb-run): starts
# BUILD_DIR/wx_smoke.exe under Wine, waits up to a minute until its frame says
# it has painted, screenshots the display into BUILD_DIR/wx_smoke.png, and
# returns the program's exit status. Its output goes to BUILD_DIR/wx_smoke.out.
#   tests/windows/smoke/show-wx-smoke.sh BUILD_DIR
set -euo pipefail
build="$1"
wine "$build/wx_smoke.exe" --exit-after=8 >"$build/wx_smoke.out" 2>&1 &
pid=$!
deadline=$((SECONDS + 60))
until xdotool search --onlyvisible --name '^Vellmor smoke ready$' >/dev/null 2>&1; do
    if [ $SECONDS -ge $deadline ] || ! kill -0 $pid 2>/dev/null; then
        echo "wx_smoke never showed its frame" >&2
        kill $pid 2>/dev/null || true
        exit 1
    fi
    sleep 0.2
done
import -window root "$build/wx_smoke.png"
status=0
wait $pid || status=$?
# Wine's desktop process outlives the program; end it before the display goes.
wineserver -k 2>/dev/null || true
exit $status
