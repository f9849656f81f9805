#!/bin/sh
# What the clock costs a desktop, side by side with its peers, in one run on
# one Xvfb display:
#   idle CPU over 120 s      vellmor / the floor               goal <= 1.2 x
#   new second drawn late    p90 of vellmor, beside xclock     goal <= 10 ms
#   private memory           vellmor - a minimal wx window     goal <= +5 MB
#   start to first paint     vellmor / the minimal wx window   goal <= 1.15 x
# The floor is the least any wxWidgets program with the clock's 250 ms tick
# costs: the minimal window (minimal_wx_window.cpp) with a 250 ms timer that
# does nothing. Also shown, for information: idle CPU of `xclock -update 1`
# and of the minimal window with that timer drawing the time each second.
# The minimal window and the paint watcher (first_paint.cpp) are built here.
#
# Lateness: the clock's and xclock's requests to the X server are traced
# (strace -ttt); the first in each wall-clock second is the new second being
# drawn, and its distance from the whole second is how late it is.
#
# usage: bench/compare_with_peers.sh [--start-up] [PATH/TO/vellmor [OTHER/vellmor ...]]
#   (default build/vellmor) Further programs, such as a build of another
#   commit, are timed in the same start-up rounds, taking their turns with
#   the others; the other figures are the first program's. --start-up
#   measures only the start-up, in about a minute.
# Needs the packages of scripts/install-deps.sh and strace. Takes about five
# minutes.
set -eu
cd "$(dirname "$0")/.."
START_UP_ONLY=0
if [ "${1:-}" = "--start-up" ]; then
    START_UP_ONLY=1
    shift
fi
[ $# -ge 1 ] || set -- build/vellmor
for program in "$@"; do
    [ -x "$program" ] || { echo "no program at $program: run scripts/build.sh first" >&2; exit 1; }
done
PROGRAM=$(realpath "$1")
PROGRAMS=$(for program in "$@"; do realpath "$program"; done)

. tests/support/scratch_clock.sh
SCRATCH_PASS_MESSAGE=""
scratch_begin bench "$PROGRAM"  # settings file in the scratch folder
WORK="$SCRATCH"
# Idle means no bell: a strike at a toki's start, with its sounds and
# animation, would otherwise fall into the measured minutes now and then.
printf '[Time System]\r\nChime=0\r\n' >"$SCRATCH/vellmor.ini"
# Each program timed at start-up has a folder of its own with the same
# settings beside it: start-1/vellmor is the first.
STARTED=""
n=0
for program in "$@"; do
    n=$((n + 1))
    mkdir "$WORK/start-$n"
    cp "$(realpath "$program")" "$WORK/start-$n/vellmor"
    cp "$SCRATCH/vellmor.ini" "$WORK/start-$n/"
    STARTED="$STARTED $n"
done

echo "Building the peers..." >&2
c++ -O2 -std=c++17 bench/minimal_wx_window.cpp -o "$WORK/minimal_wx_window" \
    $(wx-config --cxxflags --libs core,base)
c++ -O2 -std=c++17 bench/first_paint.cpp -o "$WORK/first_paint" -lX11

# One X server for all, which resets whenever its last client has left, as
# when the figures in the README were measured: on a server that never resets,
# GTK programs after the first use some 11 MB less private memory. Sounds go
# to SDL's dummy device (scratch_begin): a device that is there and silent,
# as on a desktop.
scratch_display -screen 0 800x600x24

CLOCK="$SCRATCH_CLOCK"
MINIMAL="$WORK/minimal_wx_window"
FACE_BLUE="26 38 104"  # painted first by both

remember() { scratch_track "$1"; }
# stop PID: ends a program as the desktop does and waits for it. The programs
# first_paint starts are its children, not the script's, and still run here.
stop() {
    kill -TERM "$1" 2>/dev/null || true
    poll_until "$POLL_SECONDS" gone "$1" || { echo "$1 still runs $POLL_SECONDS s after SIGTERM" >&2; exit 1; }
}
gone() { ! kill -0 "$1" 2>/dev/null; }
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# Milliseconds from start to first paint, median of 7 runs after one to warm
# the caches; each clock and the minimal window take turns.
echo "Start-up..." >&2
: >"$WORK/start-minimal"
for n in $STARTED; do : >"$WORK/start-$n.ms"; done
for round in 0 1 2 3 4 5 6 7; do
    for n in $STARTED; do
        for prog in "$WORK/start-$n/vellmor" "$MINIMAL"; do
            set -- $("$WORK/first_paint" $FACE_BLUE -- "$prog")
            stop "$2"
            [ "$round" -ne 0 ] || continue
            if [ "$prog" = "$MINIMAL" ]; then echo "$1" >>"$WORK/start-minimal"; else echo "$1" >>"$WORK/start-$n.ms"; fi
        done
    done
done
START_CLOCK=$(median <"$WORK/start-1.ms")
START_MINIMAL=$(median <"$WORK/start-minimal")
start_up_lines() {
    n=0
    for program in $PROGRAMS; do
        n=$((n + 1))
        awk -v sc="$(median <"$WORK/start-$n.ms")" -v sm="$START_MINIMAL" -v name="$program" '
        BEGIN {
            printf "%-28s %10.0f %10.0f minimal wx %8.2fx %8s  %s\n", "start to first paint (ms)", sc, sm, sc / sm, "<= 1.15x", (sc <= 1.15 * sm) ? "met" : "MISSED"
            printf "  %s\n", name
        }'
    done
}
if [ "$START_UP_ONLY" -eq 1 ]; then
    uptime
    start_up_lines
    exit 0
fi

# Private memory and idle CPU, all running side by side.
"$CLOCK" & CLOCK_PID=$!; remember $CLOCK_PID
"$MINIMAL" & MINIMAL_PID=$!; remember $MINIMAL_PID
"$MINIMAL" --timer 250 & FLOOR_PID=$!; remember $FLOOR_PID
"$MINIMAL" --clock & WXCLOCK_PID=$!; remember $WXCLOCK_PID
xclock -update 1 2>/dev/null & XCLOCK_PID=$!; remember $XCLOCK_PID
# Past start-up and the clock's first minute, in which it renders the digits
# of each second once; after that it only copies them.
sleep 70
all_running() {  # the figures of a program that ended would be nonsense
    for pid in $CLOCK_PID $MINIMAL_PID $FLOOR_PID $WXCLOCK_PID $XCLOCK_PID; do
        kill -0 "$pid" 2>/dev/null || { echo "process $pid ended before its time" >&2; exit 1; }
    done
}
all_running

private_dirty_kb() { awk '/^Private_Dirty:/ { print $2 }' "/proc/$1/smaps_rollup"; }
MEM_CLOCK=$(private_dirty_kb $CLOCK_PID)
MEM_MINIMAL=$(private_dirty_kb $MINIMAL_PID)
rss_kb() { awk '/^Rss:/ { print $2 }' "/proc/$1/smaps_rollup"; }
RSS_CLOCK=$(rss_kb $CLOCK_PID)
RSS_MINIMAL=$(rss_kb $MINIMAL_PID)

# CPU time of all threads in nanoseconds (schedstat is exact; /proc/PID/stat
# counts 10 ms ticks, too coarse for xclock's few milliseconds a minute).
cpu_ns() { cat /proc/"$1"/task/*/schedstat | awk '{ s += $1 } END { print s }'; }
echo "Idle CPU over 120 s..." >&2
for pid in $CLOCK_PID $XCLOCK_PID $FLOOR_PID $WXCLOCK_PID; do echo "$pid $(cpu_ns $pid)"; done >"$WORK/cpu0"
sleep 120
CPU_CLOCK=0 CPU_XCLOCK=0 CPU_FLOOR=0 CPU_WXCLOCK=0
while read -r pid before; do
    ms=$(awk -v a="$before" -v b="$(cpu_ns "$pid")" 'BEGIN { printf "%.1f", (b - a) / 1e6 }')
    case $pid in
        "$CLOCK_PID") CPU_CLOCK=$ms ;;
        "$XCLOCK_PID") CPU_XCLOCK=$ms ;;
        "$FLOOR_PID") CPU_FLOOR=$ms ;;
        "$WXCLOCK_PID") CPU_WXCLOCK=$ms ;;
    esac
done <"$WORK/cpu0"
all_running

# Lateness of the new second over 30 s, traced after the CPU was measured.
echo "Lateness of the second over 30 s..." >&2
for who in clock xclock; do
    if [ "$who" = clock ]; then pid=$CLOCK_PID; else pid=$XCLOCK_PID; fi
    strace -f -ttt -e trace=writev,sendmsg,write -o "$WORK/trace-$who" -p "$pid" 2>/dev/null &
    remember $!
    echo $! >"$WORK/strace-$who"
done
sleep 30
for who in clock xclock; do kill "$(cat "$WORK/strace-$who")" 2>/dev/null || true; done
sleep 1
# Milliseconds from each whole second to the first request sent in it; the
# first and last seconds of the trace may be cut and are left out.
lateness() {
    awk '{
        for (i = 1; i <= NF; i++) if ($i ~ /^[0-9]+\.[0-9]+$/) break
        if (i > NF || $0 ~ /resumed>/ || $0 !~ /(writev|sendmsg|write)\(/) next
        t = $i + 0
        s = int(t)
        if (!(s in first) || t < first[s]) first[s] = t
    } END {
        lo = -1; hi = -1
        for (s in first) { if (lo < 0 || s < lo) lo = s; if (s > hi) hi = s }
        for (s in first) if (s != lo && s != hi) printf "%.3f\n", (first[s] - s) * 1000
    }' "$1"
}
p90() { sort -n | awk '{ v[NR] = $1 } END { if (NR == 0) print "nan"; else print v[int((NR * 9 + 9) / 10)] }'; }
LATE_CLOCK=$(lateness "$WORK/trace-clock" | p90)
LATE_XCLOCK=$(lateness "$WORK/trace-xclock" | p90)
stop $CLOCK_PID

awk -v cc="$CPU_CLOCK" -v cx="$CPU_XCLOCK" -v cf="$CPU_FLOOR" -v cw="$CPU_WXCLOCK" \
    -v lc="$LATE_CLOCK" -v lx="$LATE_XCLOCK" \
    -v mc="$MEM_CLOCK" -v mm="$MEM_MINIMAL" -v rc="$RSS_CLOCK" -v rm="$RSS_MINIMAL" \
    -v sc="$START_CLOCK" -v sm="$START_MINIMAL" '
function verdict(ok) { return ok ? "met" : "MISSED" }
BEGIN {
    printf "%-28s %10s %22s %9s %8s  %s\n", "", "vellmor", "peer", "result", "goal", ""
    printf "%-28s %10.1f %10.1f floor %13.2fx %8s  %s\n", "idle CPU in 120 s (ms)", cc, cf, cc / cf, "<= 1.2x", verdict(cc <= 1.2 * cf)
    printf "%-28s %10s %10.1f xclock -u 1 %7.1fx\n", "  against xclock", "", cx, cc / cx
    printf "%-28s %10s %10.1f wx window %9.2fx\n", "  wx, same timer + time text", "", cw, cw / cf
    printf "%-28s %10.1f %10.1f xclock -u 1 %8s %8s  %s\n", "new second late, p90 (ms)", lc, lx, "", "<= 10", verdict(lc <= 10)
    printf "%-28s %10.1f %10.1f minimal wx %+8.1f %8s  %s\n", "private dirty memory (MB)", mc / 1024, mm / 1024, (mc - mm) / 1024, "<= +5", verdict(mc - mm <= 5 * 1024)
    printf "%-28s %10.1f %10.1f minimal wx %+8.1f\n", "  resident set (MB)", rc / 1024, rm / 1024, (rc - rm) / 1024
    printf "%-28s %10.0f %10.0f minimal wx %8.2fx %8s  %s\n", "start to first paint (ms)", sc, sm, sc / sm, "<= 1.15x", verdict(sc <= 1.15 * sm)
}'
if [ -n "$(echo "$PROGRAMS" | sed 1d)" ]; then
    echo "Start-up of each program:"
    start_up_lines
fi
