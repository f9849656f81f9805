#!/bin/sh
# What the clock costs a desktop, side by side with its peers, in one run:
# on one Xvfb display (X11) and on one headless weston (Wayland) at once.
#   X11 idle CPU over 120 s   vellmor / the floor               goal <= 1.2 x
#                             vellmor / the clock-shaped floor  goal <= 1.2 x
#   X11 new second late       p90 of vellmor, beside xclock     goal <= 10 ms
#   private memory (X11)      vellmor - a minimal wx window     goal <= +5 MB
#   start to first paint      vellmor / the minimal wx window   goal <= 1.15 x
#   Wayland idle CPU          vellmor / the floor               goal <= 1.3 x
#   Wayland new second late   p90 of vellmor's frame request    goal <= 10 ms
# The floor is the least any wxWidgets program with the clock's 250 ms tick
# costs: the minimal window (minimal_wx_window.cpp) with a 250 ms timer that
# does nothing. The clock-shaped floor (clock_shaped_floor.cpp) is built like
# the clock window, a frame with a menu bar of two menus and a child canvas,
# with the same timer: what is left above it is the clock's own work. Also
# shown, for information: idle CPU of `xclock -update 1` and of the minimal
# window with that timer drawing the time each second, and the clock-shaped
# floor on Wayland. The peers and the paint watcher (first_paint.cpp) are
# built here.
#
# Lateness: the clock's and xclock's requests to the X server are traced
# (strace -ttt); the first in each wall-clock second is the new second being
# drawn, and its distance from the whole second is how late it is. On Wayland
# the same is read from the clock's messages to the compositor (sendmsg on
# its Wayland socket): a new frame is attached and committed in one message.
#
# Idle CPU is compared between copies: the clock and both floors run in
# three copies each on each display (--copies N), and each figure is the
# mean of its copies. One process of a kind costs 10 to 20 % more or less
# than another of the same kind beside it, for as long as both run (where
# the machine put it); a single copy of each made the ratios a matter of
# chance near their goals. Memory and lateness are the first copy's.
#
# usage: bench/compare_with_peers.sh [--start-up | --idle] [--seconds N]
#                                    [--copies N]
#                                    [PATH/TO/vellmor [OTHER/vellmor ...]]
#   (default build/vellmor) Further programs, such as a build of another
#   commit, are timed in the same start-up rounds, taking their turns with
#   the others; the other figures are the first program's. --start-up
#   measures only the start-up, in about a minute; --idle everything but the
#   start-up. --seconds N measures idle CPU over N s instead of 120 (the
#   warm-up before it and the lateness trace after it are cut to N s too when
#   N is shorter), for quick comparisons while working; the table's figures
#   are from 120 s.
# Needs the packages of scripts/install-deps.sh, strace and weston (without
# weston the Wayland rows are left out). Takes about five minutes.
set -eu
cd "$(dirname "$0")/.."
START_UP_ONLY=0
IDLE_ONLY=0
IDLE_SECONDS=120
COPIES=3
while [ $# -ge 1 ]; do
    case $1 in
        --start-up) START_UP_ONLY=1; shift ;;
        --idle) IDLE_ONLY=1; shift ;;
        --seconds) IDLE_SECONDS=$2; shift 2 ;;
        --copies) COPIES=$2; shift 2 ;;
        *) break ;;
    esac
done
WARM_SECONDS=$((IDLE_SECONDS < 70 ? IDLE_SECONDS : 70))
TRACE_SECONDS=$((IDLE_SECONDS < 30 ? IDLE_SECONDS : 30))
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
c++ -O2 -std=c++17 bench/clock_shaped_floor.cpp -o "$WORK/clock_shaped_floor" \
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
SHAPED="$WORK/clock_shaped_floor"
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
start_up() {
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
    START_MINIMAL=$(median <"$WORK/start-minimal")
}
start_up_lines() {
    n=0
    for program in $PROGRAMS; do
        n=$((n + 1))
        awk -v sc="$(median <"$WORK/start-$n.ms")" -v sm="$START_MINIMAL" -v name="$program" '
        BEGIN {
            printf "%-30s %10.0f %10.0f minimal wx %8.2fx %8s  %s\n", "start to first paint (ms)", sc, sm, sc / sm, "<= 1.15x", (sc <= 1.15 * sm) ? "met" : "MISSED"
            printf "  %s\n", name
        }'
    done
}
if [ "$IDLE_ONLY" -eq 0 ]; then
    start_up
fi
if [ "$START_UP_ONLY" -eq 1 ]; then
    uptime
    start_up_lines
    exit 0
fi

# A weston of our own without a screen, its own runtime folder (mode 0700, as
# Wayland requires), for the Wayland rows. --use-pixman: the compositor reads
# every buffer it is given, as a desktop's does; --idle-time=0: it never
# blanks its output, which would hold back frame callbacks.
WESTON_PID=""
WAYLAND_RUN="$WORK/wayland-run"
WAYLAND_SOCKET="vellmor-bench-$$"
if command -v weston >/dev/null; then
    mkdir -m 700 "$WAYLAND_RUN"
    XDG_RUNTIME_DIR="$WAYLAND_RUN" weston --backend=headless-backend.so --use-pixman \
        --width=800 --height=600 --socket="$WAYLAND_SOCKET" --idle-time=0 --no-config \
        --log="$WORK/weston.txt" >/dev/null 2>&1 &
    WESTON_PID=$!; remember $WESTON_PID
    weston_ready() { kill -0 "$WESTON_PID" 2>/dev/null || return 2; [ -S "$WAYLAND_RUN/$WAYLAND_SOCKET" ]; }
    poll_until "$POLL_SECONDS" weston_ready || { echo "weston did not start: no Wayland rows" >&2; WESTON_PID=""; }
fi
# on_wayland PROGRAM [ARGS]: runs it as a native Wayland client of our weston
# (the background subshell becomes env and env the program, so that $! is
# the program's own id). The Wayland clock has
# a folder and settings of its own, and its instance lock in weston's runtime
# folder, apart from the X11 one.
on_wayland() {
    exec env -u DISPLAY GDK_BACKEND=wayland XDG_RUNTIME_DIR="$WAYLAND_RUN" \
        WAYLAND_DISPLAY="$WAYLAND_SOCKET" "$@"
}

# clock_copy NAME: a folder of its own for another copy of the clock, with
# the settings and a runtime folder (its instance lock) of its own.
clock_copy() {
    mkdir -p "$WORK/$1/run"
    chmod 700 "$WORK/$1/run"
    cp "$CLOCK" "$SCRATCH/vellmor.ini" "$WORK/$1/"
}

# Private memory and idle CPU, all running side by side. The first copy of
# the clock is the one whose memory and lateness are measured.
"$CLOCK" & CLOCK_PID=$!; remember $CLOCK_PID
CLOCK_PIDS=$CLOCK_PID FLOOR_PIDS="" SHAPED_PIDS=""
"$MINIMAL" & MINIMAL_PID=$!; remember $MINIMAL_PID
copy=1
while [ $copy -le "$COPIES" ]; do
    if [ $copy -gt 1 ]; then
        clock_copy "x11-$copy"
        XDG_RUNTIME_DIR="$WORK/x11-$copy/run" "$WORK/x11-$copy/vellmor" & CLOCK_PIDS="$CLOCK_PIDS $!"; remember $!
    fi
    "$MINIMAL" --timer 250 & FLOOR_PIDS="$FLOOR_PIDS $!"; remember $!
    "$SHAPED" & SHAPED_PIDS="$SHAPED_PIDS $!"; remember $!
    copy=$((copy + 1))
done
"$MINIMAL" --clock & WXCLOCK_PID=$!; remember $WXCLOCK_PID
xclock -update 1 2>/dev/null & XCLOCK_PID=$!; remember $XCLOCK_PID
WL_PIDS="" WL_CLOCK_PIDS="" WL_FLOOR_PIDS="" WL_SHAPED_PIDS=""
if [ -n "$WESTON_PID" ]; then
    mkdir "$WORK/wayland"
    cp "$CLOCK" "$SCRATCH/vellmor.ini" "$WORK/wayland/"
    on_wayland "$WORK/wayland/vellmor" 2>"$WORK/wayland-clock.txt" & WL_CLOCK_PID=$!; remember $WL_CLOCK_PID
    WL_CLOCK_PIDS=$WL_CLOCK_PID
    copy=1
    while [ $copy -le "$COPIES" ]; do
        if [ $copy -gt 1 ]; then
            # Its own runtime folder for its lock; weston's socket by its path.
            clock_copy "wayland-$copy"
            (exec env -u DISPLAY GDK_BACKEND=wayland XDG_RUNTIME_DIR="$WORK/wayland-$copy/run" \
                WAYLAND_DISPLAY="$WAYLAND_RUN/$WAYLAND_SOCKET" "$WORK/wayland-$copy/vellmor") \
                2>/dev/null & WL_CLOCK_PIDS="$WL_CLOCK_PIDS $!"; remember $!
        fi
        on_wayland "$MINIMAL" --timer 250 2>/dev/null & WL_FLOOR_PIDS="$WL_FLOOR_PIDS $!"; remember $!
        on_wayland "$SHAPED" 2>/dev/null & WL_SHAPED_PIDS="$WL_SHAPED_PIDS $!"; remember $!
        copy=$((copy + 1))
    done
    WL_PIDS="$WL_CLOCK_PIDS $WL_FLOOR_PIDS $WL_SHAPED_PIDS"
fi
# Past start-up and the clock's first minute, in which it renders the digits
# of each second once; after that it only copies them.
echo "Warming up for $WARM_SECONDS s..." >&2
sleep "$WARM_SECONDS"
all_running() {  # the figures of a program that ended would be nonsense
    for pid in $CLOCK_PIDS $MINIMAL_PID $FLOOR_PIDS $SHAPED_PIDS $WXCLOCK_PID $XCLOCK_PID $WL_PIDS; do
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
echo "Idle CPU over $IDLE_SECONDS s..." >&2
for pid in $CLOCK_PIDS $XCLOCK_PID $FLOOR_PIDS $SHAPED_PIDS $WXCLOCK_PID $WL_PIDS; do
    echo "$pid $(cpu_ns $pid)"
done >"$WORK/cpu0"
sleep "$IDLE_SECONDS"
LOAD=$(uptime)
# cpu_ms PID: milliseconds of CPU since cpu0.
while read -r pid before; do
    echo "$pid $(awk -v a="$before" -v b="$(cpu_ns "$pid")" 'BEGIN { printf "%.1f", (b - a) / 1e6 }')"
done <"$WORK/cpu0" >"$WORK/cpu1"
all_running
# cpu_ms PID...: the mean of their milliseconds of CPU since cpu0.
cpu_ms() {
    awk -v pids="$*" 'BEGIN { n = split(pids, p, " "); for (i = 1; i <= n; i++) want[p[i]] = 1 }
        $1 in want { s += $2 } END { printf "%.1f", s / n }' "$WORK/cpu1"
}
CPU_CLOCK=$(cpu_ms $CLOCK_PIDS) CPU_XCLOCK=$(cpu_ms $XCLOCK_PID) CPU_FLOOR=$(cpu_ms $FLOOR_PIDS)
CPU_SHAPED=$(cpu_ms $SHAPED_PIDS) CPU_WXCLOCK=$(cpu_ms $WXCLOCK_PID)
if [ -n "$WL_PIDS" ]; then
    CPU_WL_CLOCK=$(cpu_ms $WL_CLOCK_PIDS) CPU_WL_FLOOR=$(cpu_ms $WL_FLOOR_PIDS)
    CPU_WL_SHAPED=$(cpu_ms $WL_SHAPED_PIDS)
fi
# copies_ms PID...: each one's milliseconds, for the record.
copies_ms() { for pid in "$@"; do printf ' %s' "$(cpu_ms "$pid")"; done; }

# Lateness of the new second, traced after the CPU was measured. -yy names
# each socket by its inodes, so that the Wayland clock's messages to weston
# can be told from any other socket's.
echo "Lateness of the second over $TRACE_SECONDS s..." >&2
TRACED="clock xclock"
[ -z "$WL_PIDS" ] || TRACED="$TRACED wayland"
for who in $TRACED; do
    case $who in clock) pid=$CLOCK_PID ;; xclock) pid=$XCLOCK_PID ;; wayland) pid=$WL_CLOCK_PID ;; esac
    strace -f -ttt -yy -e trace=writev,sendmsg,write -o "$WORK/trace-$who" -p "$pid" 2>/dev/null &
    remember $!
    echo $! >"$WORK/strace-$who"
done
sleep "$TRACE_SECONDS"
for who in $TRACED; do kill "$(cat "$WORK/strace-$who")" 2>/dev/null || true; done
sleep 1
# Milliseconds from each whole second to the first request sent in it; the
# first and last seconds of the trace may be cut and are left out. With
# PEERS (socket inodes, space-separated), only messages on a socket whose
# other end is one of them count.
lateness() {
    awk -v peers="${2:-}" '
    BEGIN { n = split(peers, p, " "); for (i = 1; i <= n; i++) peer[p[i]] = 1 }
    {
        for (i = 1; i <= NF; i++) if ($i ~ /^[0-9]+\.[0-9]+$/) break
        if (i > NF || $0 ~ /resumed>/ || $0 !~ /(writev|sendmsg|write)\(/) next
        if (n > 0) {
            if (!match($0, /->[0-9]+\]/)) next
            if (!(substr($0, RSTART + 2, RLENGTH - 3) in peer)) next
        }
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
LATE_WL=nan
if [ -n "$WL_PIDS" ]; then
    WESTON_SOCKETS=$(ls -l /proc/"$WESTON_PID"/fd 2>/dev/null | sed -n 's/.*socket:\[\([0-9]*\)\].*/\1/p' | tr '\n' ' ')
    LATE_WL=$(lateness "$WORK/trace-wayland" "$WESTON_SOCKETS" | p90)
fi
stop $CLOCK_PID

echo "$LOAD"
echo "idle CPU of each copy (ms): X11 clock$(copies_ms $CLOCK_PIDS), floor$(copies_ms $FLOOR_PIDS), clock-shaped$(copies_ms $SHAPED_PIDS)"
[ -z "$WL_PIDS" ] || echo "  Wayland clock$(copies_ms $WL_CLOCK_PIDS), floor$(copies_ms $WL_FLOOR_PIDS), clock-shaped$(copies_ms $WL_SHAPED_PIDS)"
awk -v secs="$IDLE_SECONDS" -v cc="$CPU_CLOCK" -v cx="$CPU_XCLOCK" -v cf="$CPU_FLOOR" \
    -v cs="$CPU_SHAPED" -v cw="$CPU_WXCLOCK" -v lc="$LATE_CLOCK" -v lx="$LATE_XCLOCK" \
    -v mc="$MEM_CLOCK" -v mm="$MEM_MINIMAL" -v rc="$RSS_CLOCK" -v rm="$RSS_MINIMAL" '
function verdict(ok) { return ok ? "met" : "MISSED" }
BEGIN {
    cpu = sprintf("idle CPU in %d s (ms)", secs)
    printf "%s\n", "(idle CPU: the mean of the copies of each)"
    printf "%-30s %10s %22s %9s %8s  %s\n", "X11", "vellmor", "peer", "result", "goal", ""
    printf "%-30s %10.1f %10.1f floor %13.2fx %8s  %s\n", cpu, cc, cf, cc / cf, "<= 1.2x", verdict(cc <= 1.2 * cf)
    printf "%-30s %10s %10.1f clock-shaped %6.2fx %8s  %s\n", "  against the clock shape", "", cs, cc / cs, "<= 1.2x", verdict(cc <= 1.2 * cs)
    printf "%-30s %10s %10.1f xclock -u 1 %7.1fx\n", "  against xclock", "", cx, cc / cx
    printf "%-30s %10s %10.1f wx window %9.2fx\n", "  wx, same timer + time text", "", cw, cw / cf
    printf "%-30s %10.1f %10.1f xclock -u 1 %8s %8s  %s\n", "new second late, p90 (ms)", lc, lx, "", "<= 10", verdict(lc <= 10)
    printf "%-30s %10.1f %10.1f minimal wx %+8.1f %8s  %s\n", "private dirty memory (MB)", mc / 1024, mm / 1024, (mc - mm) / 1024, "<= +5", verdict(mc - mm <= 5 * 1024)
    printf "%-30s %10.1f %10.1f minimal wx %+8.1f\n", "  resident set (MB)", rc / 1024, rm / 1024, (rc - rm) / 1024
}'
if [ -n "$WL_PIDS" ]; then
    awk -v secs="$IDLE_SECONDS" -v cc="$CPU_WL_CLOCK" -v cf="$CPU_WL_FLOOR" -v cs="$CPU_WL_SHAPED" \
        -v lc="$LATE_WL" '
    function verdict(ok) { return ok ? "met" : "MISSED" }
    BEGIN {
        printf "%-30s\n", "Wayland (weston, headless)"
        printf "%-30s %10.1f %10.1f floor %13.2fx %8s  %s\n", sprintf("idle CPU in %d s (ms)", secs), cc, cf, cc / cf, "<= 1.3x", verdict(cc <= 1.3 * cf)
        printf "%-30s %10s %10.1f clock-shaped %6.2fx\n", "  against the clock shape", "", cs, cc / cs
        printf "%-30s %10.1f %22s %9s %8s  %s\n", "new frame late, p90 (ms)", lc, "", "", "<= 10", verdict(lc != "nan" && lc <= 10)
    }'
else
    echo "Wayland: not measured (no weston)"
fi
if [ "$IDLE_ONLY" -eq 0 ]; then
    start_up_lines
fi
