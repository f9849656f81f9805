# Sourced by the end-to-end tests (bash). Runs the real clock on a virtual
# display of its own, from a scratch copy of its folder (scratch_clock.sh),
# with its wall clock starting at a chosen instant (libfaketime, real pace
# afterwards) and what it plays recorded (SDL's disk driver). The helpers look
# at it only from outside: screenshots of the window, the recording, the
# settings file, exit statuses.
#
# Usage: . clock_harness.sh PROGRAM AUDIO_ONSETS PICTURES_DIR
# then scratch_display, and scratch_window_manager for keys.
# Times called "offsets" are seconds of the clock's own time since the
# instant it was started at.

set -eu
. "$(dirname "${BASH_SOURCE[0]}")/../support/scratch_clock.sh"

ONSETS_TOOL=$2
PICTURES=$3

scratch_begin e2e "$1"
CLOCK="$SCRATCH_CLOCK"
SOUND="$SCRATCH/sound.raw"
SOUND_MAP="$SCRATCH/sound.map"
INI="$SCRATCH/vellmor.ini"

export TZ=Asia/Tokyo
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$SOUND"

CLOCK_WRAPPER=""  # a command to run the clock under, such as valgrind
# Set to 1 before e2e_start_clock to be able to move the clock's time while
# it runs (e2e_move_clock).
E2E_MOVABLE_TIME=0
TIME_FILE="$SCRATCH/faketime"
CLOCK_PID=""
SAMPLER_PID=""
T0=""  # real time (epoch seconds) at which the clock was started

e2e_now() { date +%s.%N; }

# True when |value - expected| <= tolerance.
e2e_near() { awk -v v="$1" -v e="$2" -v t="$3" 'BEGIN { d = v - e; exit !(d <= t && -d <= t) }'; }

# e2e_poll SECONDS COMMAND...: runs the command every 0.1 s until it
# succeeds (true) or SECONDS of wall-clock time have passed (false).
e2e_poll() {
    _e2e_seconds=$1
    shift
    poll_until "$_e2e_seconds" e2e_not_yet "$@"
}
e2e_not_yet() { "$@" || return 1; }

# e2e_wait_exit PID SECONDS: waits for the process to end, at most SECONDS;
# sets EXIT_STATUS. Fails when it is still running.
e2e_wait_exit() {
    scratch_wait_exit "$1" "$2" || fail "process $1 still running after $2 s"
    if [ "$1" = "$CLOCK_PID" ]; then
        CLOCK_PID=""
        e2e_end_sampler
    fi
}

# The sampler ends by itself once the clock has ended.
e2e_end_sampler() {
    wait "$SAMPLER_PID" 2>/dev/null || true
    scratch_untrack "$SAMPLER_PID"
    SAMPLER_PID=""
}

# e2e_move_clock SECONDS: moves the running clock's time by SECONDS (with
# E2E_MOVABLE_TIME=1), as a machine suspended that long finds it on waking.
e2e_move_clock() {
    echo "$(($(cat "$TIME_FILE") + $1))" >"$TIME_FILE.new"
    mv "$TIME_FILE.new" "$TIME_FILE"
}

# e2e_start_clock INSTANT [ARGS...]: starts the clock at INSTANT (local time,
# "2006-01-01 06:13:57"); an empty INSTANT keeps the real time.
e2e_start_clock() {
    instant=$1
    shift
    T0=$(e2e_now)
    echo "$T0" >"$SCRATCH/t0"
    if [ -n "$instant" ] && [ "$E2E_MOVABLE_TIME" = 1 ]; then
        # The offset from the real time, read again every second.
        echo "$(($(date -d "$instant" +%s) - ${T0%.*}))" >"$TIME_FILE"
        env LD_PRELOAD="$SCRATCH_FAKETIME_LIB" FAKETIME_TIMESTAMP_FILE="$TIME_FILE" \
            FAKETIME_CACHE_DURATION=1 FAKETIME_DONT_FAKE_MONOTONIC=1 \
            $CLOCK_WRAPPER "$CLOCK" "$@" 2>"$SCRATCH/stderr.txt" &
    elif [ -n "$instant" ]; then
        # The clock's time is the real time moved by a fixed offset, so that
        # it reads INSTANT at T0 however long the process takes to start (an
        # "@" start instant would begin when the library loads, seconds after
        # T0 on a busy machine). The clock's PID is the program's own (env
        # execs it); GLib's timers keep the real pace.
        shift_by=$(awk -v at="$(date -d "$instant" +%s)" -v t0="$T0" \
            'BEGIN { printf "%+.3f", at - t0 }')
        env LD_PRELOAD="$SCRATCH_FAKETIME_LIB" FAKETIME="$shift_by" FAKETIME_DONT_FAKE_MONOTONIC=1 \
            $CLOCK_WRAPPER "$CLOCK" "$@" 2>"$SCRATCH/stderr.txt" &
    else
        $CLOCK_WRAPPER "$CLOCK" "$@" 2>"$SCRATCH/stderr.txt" &
    fi
    CLOCK_PID=$!
    scratch_track "$CLOCK_PID"
    # Maps the growing recording to real time: the disk driver writes at
    # about, not exactly, real-time pace.
    (
        while scratch_running "$CLOCK_PID"; do
            echo "$(e2e_now) $(stat -c %s "$SOUND" 2>/dev/null || echo 0)"
            sleep 0.2
        done
    ) >"$SOUND_MAP" &
    SAMPLER_PID=$!
    scratch_track "$SAMPLER_PID"
}

# e2e_start_focused_clock [LINE...]: writes a settings file of these lines
# (none: no file), starts the clock at the real time and sets MAIN to its
# window once that holds the keyboard focus (a window manager gives it).
e2e_start_focused_clock() {
    rm -f "$INI"
    [ $# -eq 0 ] || printf '%s\r\n' "$@" >"$INI"
    e2e_start_clock ""
    MAIN=$(e2e_wait_active Vellmor) || fail "the clock's window never had the focus"
}

# Sleeps until OFFSET seconds of clock time after the start instant.
e2e_sleep_until() {
    delay=$(awk -v t0="$T0" -v off="$1" -v now="$(e2e_now)" 'BEGIN { d = t0 + off - now; print (d > 0 ? d : 0) }')
    sleep "$delay"
}

# The clock's time now, as an offset.
e2e_offset_now() { awk -v t0="$T0" -v now="$(e2e_now)" 'BEGIN { printf "%.3f\n", now - t0 }'; }

# Ends the clock as the desktop would (SIGTERM: the window closes, settings
# are saved) and checks that it exits with status 0 within SECONDS (120).
e2e_stop_clock() {
    scratch_stop "$CLOCK_PID" "${1:-120}" || fail "still running ${1:-120} s after SIGTERM"
    CLOCK_PID=""
    [ "$EXIT_STATUS" -eq 0 ] || fail "exit status $EXIT_STATUS after SIGTERM"
    e2e_end_sampler
}

# e2e_wait_window TITLE [SECONDS]: echoes the id of the visible window with
# that title once it shows.
e2e_wait_window() { scratch_wait_window "$1" "$CLOCK_PID" "${2:-}"; }

# e2e_expect_before OFFSET WHAT: fails, saying so, when the clock's time has
# already passed OFFSET, too late for a state the test must see before it.
e2e_expect_before() {
    now=$(e2e_offset_now)
    awk -v n="$now" -v o="$1" 'BEGIN { exit !(n < o) }' ||
        fail "$2 came at $now s, after $1 s: the start was too slow for this test"
}

# e2e_wait_gone WINDOW [SECONDS]: waits until the window is no longer shown.
e2e_window_gone() { ! scratch_windows | grep -qx "$1"; }
# e2e_first_focus WINDOW: waits until a dialog that has just become active
# has also given its first focus to a control. The toolkit does that when
# its loop is next idle, after the activation that e2e_wait_active sees;
# a key that depends on where the focus starts (Tab, Space, arrows) sent
# before then goes nowhere. There is no sign of it outside the process, so
# this is a pause, long enough for a loaded machine and a sanitized build.
e2e_first_focus() { sleep 1; }
e2e_wait_gone() { poll_until "${2:-$POLL_SECONDS}" e2e_window_gone "$1"; }

# e2e_wait_active TITLE [SECONDS] [NOT]: echoes the id of our window with
# that title, other than window NOT, once it holds the keyboard focus (keys
# sent now reach it). A message box has the title of the main window.
e2e_wait_active() { e2e_poll "${2:-$POLL_SECONDS}" e2e_active_titled "$1" "${3:-}"; }
e2e_active_titled() {
    w=$(xdotool getactivewindow 2>/dev/null || true)
    [ -n "$w" ] && [ "$w" != "$2" ] && scratch_windows | grep -qx "$w" &&
        [ "$(xdotool getwindowname "$w" 2>/dev/null)" = "$1" ] && echo "$w"
}

# True while one of our pop-up menus is open.
e2e_menu_shown() {
    for w in $(scratch_windows); do
        xprop -id "$w" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q POPUP_MENU && return 0
    done
    return 1
}

# e2e_menu MENU ITEM: chooses a menu item with the keyboard, as Alt+MENU
# then ITEM, the letters of their mnemonics; the clock's window must hold
# the focus.
e2e_menu() {
    xdotool key "alt+$1"
    e2e_poll "$POLL_SECONDS" e2e_menu_shown || fail "Alt+$1 opened no menu"
    xdotool key "$2"
}

# e2e_expect_saved LINE...: the settings file holds each line, byte for
# byte but for its line end.
e2e_expect_saved() {
    for line in "$@"; do
        tr -d '\r' <"$INI" | grep -qxF "$line" || fail "the settings file lacks \"$line\""
    done
}

# e2e_shot WINDOW NAME: screenshot of one window into $SCRATCH/NAME.png.
e2e_shot() { import -window "$1" "$SCRATCH/$2.png"; }

# e2e_find SHOT PICTURE: where PICTURE occurs exactly in SHOT, as "x y";
# fails when it does not occur. ImageMagick prints "<differing pixels> @ x,y".
e2e_find() {
    result=$(compare -metric AE -subimage-search "$1" "$2" null: 2>&1 || true)
    case "$result" in
        "0 @ "*) echo "${result#0 @ }" | tr ',' ' ' ;;
        *) return 1 ;;
    esac
}

# e2e_find_view SHOT: sets VIEW_X, VIEW_Y, the view's top left in window
# screenshots, found from a strip of the face that nothing is drawn over:
# E2E_FACE_STRIP, W x H + X + Y of the face picture, by default its top rows
# (with the toki's text line on, take rows left of the sign below the line);
# fails when the face is not in SHOT.
E2E_FACE_STRIP=180x4+0+0
e2e_find_view() {
    [ -s "$SCRATCH/face-strip.png" ] ||
        convert "$PICTURES/face.png" -crop "$E2E_FACE_STRIP" +repage "$SCRATCH/face-strip.png"
    at=$(e2e_find "$1" "$SCRATCH/face-strip.png") || return 1
    strip_x=${E2E_FACE_STRIP#*+}
    VIEW_X=$((${at% *} - ${strip_x%+*}))
    VIEW_Y=$((${at#* } - ${E2E_FACE_STRIP##*+}))
}
e2e_view_origin() { e2e_find_view "$1" || fail "no face in $1"; }

# e2e_wait_painted WINDOW NAME: takes screenshots NAME.png until one shows the
# face (the view paints face and pictures at once from its backing picture),
# then sets VIEW_X, VIEW_Y. A window may map well before its first paint.
e2e_wait_painted() {
    painted() { e2e_shot "$1" "$2" 2>/dev/null && e2e_find_view "$SCRATCH/$2.png" || return 1; }
    poll_until "$POLL_SECONDS" painted "$1" "$2" || fail "window $1 never painted"
}

# e2e_frame_shown SHOT X Y W H STRIP: echoes which frame of the picture
# strip (frames of W x H side by side) the view shows at (X, Y), or fails.
e2e_frame_shown() {
    convert "$1" -crop "$4x$5+$((VIEW_X + $2))+$((VIEW_Y + $3))" +repage "$SCRATCH/region.png"
    at=$(e2e_find "$PICTURES/$6" "$SCRATCH/region.png") || return 1
    [ "${at#* }" -eq 0 ] || return 1
    echo $((${at% *} / $4))
}

# e2e_differing SHOT1 SHOT2 X Y W H: echoes how many pixels of a region of
# the view differ between two screenshots.
e2e_differing() {
    for s in 1 2; do
        eval "shot=\$$s"
        convert "$shot" -crop "$5x$6+$((VIEW_X + $3))+$((VIEW_Y + $4))" +repage \
            "$SCRATCH/diff$s.png"
    done
    compare -metric AE "$SCRATCH/diff1.png" "$SCRATCH/diff2.png" null: 2>&1 || true
}

# e2e_colour_count SHOT X Y W H R G B: echoes how many pixels of a region of
# the view have exactly that colour.
e2e_colour_count() {
    region="$SCRATCH/count.png"
    convert "$1" -crop "$4x$5+$((VIEW_X + $2))+$((VIEW_Y + $3))" +repage "$region"
    convert "$region" -fill "rgb($6,$7,$8)" -colorize 100 "$SCRATCH/solid.png"
    other=$(compare -metric AE "$region" "$SCRATCH/solid.png" null: 2>&1 || true)
    echo $(($4 * $5 - other))
}

# The onsets of the sounds recorded so far, one a line, as offsets: the
# recording's positions turned into real times through the size samples.
e2e_onsets() {
    "$ONSETS_TOOL" "$SOUND" | awk -v t0="$T0" -v map="$SOUND_MAP" '
        BEGIN {
            n = 0
            while ((getline line < map) > 0) {
                split(line, f, " ")
                t[n] = f[1]; s[n] = f[2]; n++
            }
        }
        {
            bytes = $1 * 44100 * 4
            for (i = 1; i < n && s[i] < bytes; i++) {}
            if (i >= n) { printf "%.3f\n", t[n - 1] - t0; next }
            frac = (s[i] > s[i - 1]) ? (bytes - s[i - 1]) / (s[i] - s[i - 1]) : 0
            printf "%.3f\n", t[i - 1] + frac * (t[i] - t[i - 1]) - t0
        }'
}

# e2e_onsets_between FROM TO: the onsets in [FROM, TO).
e2e_onsets_between() {
    e2e_onsets | awk -v a="$1" -v b="$2" '$1 >= a && $1 < b'
}

# e2e_expect_onsets FROM TO LATE EXPECTED...: the onsets in [FROM, TO) are
# exactly the expected offsets, each at most 0.3 s early and at most LATE
# seconds late, where a sound's lateness counts from that of the sound before
# it. A sound can only come late: the second is noticed by the next 250 ms
# tick, the audio goes out a buffer later, and on a busy machine timers fire
# late, which adds up along a series (a 6 s strike cycle is 30 steps of a
# 200 ms timer). Early only by the recording's timing.
e2e_expect_onsets() {
    from=$1 to=$2 late=$3
    shift 3
    found=$(e2e_onsets_between "$from" "$to" | tr '\n' ' ')
    echo "sounds between $from and $to s: [ $found]"
    awk -v got="$found" -v want="$*" -v late="$late" 'BEGIN {
        n = split(got, g, " ")
        if (n != split(want, w, " ")) exit 1
        before = 0
        for (i = 1; i <= n; i++) {
            d = (g[i] - w[i]) - before
            if (d > late || d < -0.3) exit 1
            before = g[i] - w[i]
        }
    }' || fail "sounds at [ $found] between $from and $to s, expected [$*] (each at most $late s late)"
}
