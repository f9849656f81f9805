#!/bin/bash
# The Windows programs under Wine, started as a user starts them, seen from
# outside: the clock's window with its pictures and a ticking time (kept as
# windows-clock.png in the working folder), its settings file written in
# CP932 beside it when it is closed, a second copy that ends at once, the
# registration switches as the registry shows them, and vellmor-toki's table
# against the Linux build's.
#
#   e2e_test.sh VELLMOR_EXE TOKI_EXE [LINUX_TOKI]
# WINEPREFIX names the prefix (made once); the test ends every Wine process
# of that prefix when it ends, so it must be one of its own.
set -eu
[ $# -ge 2 ] || { echo "usage: $0 VELLMOR_EXE TOKI_EXE [LINUX_TOKI]" >&2; exit 2; }
here="$(cd "$(dirname "$0")" && pwd)"
repo="$(cd "$here/../.." && pwd)"
exe="$(realpath "$1")" toki="$(realpath "$2")" linux_toki="${3:-}"
shot_out="$PWD/windows-clock.png"
: "${WINEPREFIX:?set WINEPREFIX to a prefix for this test alone}"
export WINEPREFIX WINEDEBUG=-all

# shellcheck source=../support/scratch_clock.sh
. "$repo/tests/support/scratch_clock.sh"
scratch_begin windows
# Wine's own processes (its server, the desktop) end with the prefix's
# server, before the X server goes.
trap '_status=$?; set +e; wineserver -k 2>/dev/null; (exit $_status); scratch_end' EXIT
"$repo/scripts/windows/wine-prefix.sh"

# A folder with a "-" in its name: the switches must still be found after it.
app="$SCRATCH/vellmor-win"
mkdir -p "$app"
cp "$exe" "$app/vellmor.exe"
cp "$toki" "$app/vellmor-toki.exe"
cd "$app"

scratch_display
scratch_window_manager
# Wine's desktop process belongs to the X display it first met: one left
# from an earlier run, or started before this display, would put our
# windows on a display that is gone; every Wine program from here on meets
# this one.
wineserver -k 2>/dev/null || true
# A Windows of any language links a Japanese font to its menu font; Wine's
# prefix has no such link, and the menu's katakana would show as boxes. The
# link names IPA P Gothic (fonts-ipafont-gothic), the clock's own fallback.
wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
    /v Tahoma /t REG_MULTI_SZ /d 'ipagp.ttf,IPAPGothic' /f >/dev/null 2>&1

# --help, --version and an unknown option. A windowed program has no console
# of its own: redirected, the text goes to the file; with neither a console
# nor a handle to write to (started from the desktop, here by "start"), it
# shows in a message box, and OK ends the program with the same status.
window_shows() { xdotool search --onlyvisible --name '^Vellmor$' 2>/dev/null | head -n 1 | grep .; }
answer_box() {
    scratch_ended "$started" && return 0
    box=$(window_shows) && xdotool windowactivate --sync "$box" key Return 2>/dev/null
    sleep 0.5
    return 1
}
for answer in "--version 0 Vellmor " "--help 0 usage: vellmor.exe" "--frobnicate 2 unknown option --frobnicate"; do
    read -r arg want text <<<"$answer"
    status=0
    timeout "$POLL_SECONDS" wine ./vellmor.exe "$arg" >"$SCRATCH/said.txt" 2>&1 || status=$?
    [ "$status" -eq "$want" ] || fail "$arg: status $status, not $want"
    grep -qF "$text" "$SCRATCH/said.txt" || fail "$arg: \"$text\" not printed: $(cat "$SCRATCH/said.txt")"
    (status=0; wine start /wait vellmor.exe "$arg" || status=$?; echo "$status" >"$SCRATCH/box-status") &
    started=$!
    scratch_track "$started"
    poll_until "$POLL_SECONDS" window_shows >/dev/null || fail "$arg: no message box without a console"
    # Enter is OK once the box has the focus; a key that comes before that is
    # lost, so it is pressed again until the program has ended.
    poll_until "$POLL_SECONDS" answer_box || fail "$arg: still running after OK in its box"
    scratch_wait_exit "$started"
    [ "$(cat "$SCRATCH/box-status")" -eq "$want" ] || fail "$arg: status $(cat "$SCRATCH/box-status") after its box"
done
echo "--help, --version, a bad option: printed when redirected, in a box without a console"

# A key the clock never writes, put in by hand: it must survive the save.
printf '[Location]\r\nTime Difference=8\r\n' >"$app/vellmor.ini"

[ -z "$(window_shows)" ] || fail "a message box was left open"
wine ./vellmor.exe >"$SCRATCH/clock.txt" 2>&1 &
clock=$!
scratch_track "$clock"
window=$(poll_until "$POLL_SECONDS" window_shows) || fail "no window titled Vellmor"
echo "window $window: $(xdotool getwindowgeometry "$window" | tr '\n' ' ')"

# The face, the pictures and the time: the window holds many colours, and
# the digits' part of it changes from one second to the next.
shoot() { import -window "$window" "$1" 2>/dev/null; }
colours() { convert "$1" -format '%k' info:; }
digits() { convert "$1" -crop 130x40+40+45 +repage -format '%#' info:; }
poll_until "$POLL_SECONDS" shoot "$SCRATCH/first.png" || fail "no screenshot"
first_digits=$(digits "$SCRATCH/first.png")
time_ticks() { shoot "$SCRATCH/later.png" && [ "$(digits "$SCRATCH/later.png")" != "$first_digits" ]; }
poll_until 10 time_ticks || fail "the time did not change within 10 s"
cp "$SCRATCH/later.png" "$shot_out"
n=$(colours "$SCRATCH/later.png")
[ "$n" -ge 50 ] || fail "the window shows only $n colours: no pictures?"
echo "clock: shows $n colours and a ticking time ($shot_out)"

# A second copy ends at once, with status 0 and no window of its own.
started=$(date +%s)
timeout "$POLL_SECONDS" wine ./vellmor.exe >/dev/null 2>&1 || fail "the second copy ended with status $?"
echo "second copy: ended with 0 after $(($(date +%s) - started)) s"
[ "$(xdotool search --onlyvisible --name '^Vellmor$' | wc -l)" -eq 1 ] || fail "a second window"

# The switches need no window and pass by the running copy.
appid='HKCR\AppID\{9EB78834-9504-4542-AA43-0DBE3259D3AF}'
exe_key='HKCR\AppID\Vellmor.EXE'
# The key's listing without CRs; status 1 when the key is missing.
query() {
    local listing
    listing=$(wine reg query "$@" 2>/dev/null) || return 1
    printf '%s\n' "$listing" | tr -d '\r'
}
for switch in /RegServer -regserver; do
    timeout "$POLL_SECONDS" wine "$app/vellmor.exe" "$switch" || fail "$switch: status $?"
done
query "$appid" | grep -Eq '^ +\(Default\) +REG_SZ +Vellmor$' || fail "no AppID entry after /RegServer"
query "$exe_key" /v AppID | grep -Eq '^ +AppID +REG_SZ +\{9EB78834-9504-4542-AA43-0DBE3259D3AF\}$' ||
    fail "no Vellmor.EXE entry after /RegServer"
timeout "$POLL_SECONDS" wine "$app/vellmor.exe" /UNREGSERVER || fail "/UnregServer: status $?"
if query "$appid" >/dev/null || query "$exe_key" >/dev/null; then
    fail "/UnregServer left an entry"
fi
query 'HKCR\AppID' >/dev/null || fail "/UnregServer removed AppID itself"
echo "switches: /RegServer wrote both entries (twice, the same), /UnregServer removed them and kept AppID"

# "ログイン時に起動" in the settings, by keys: the focus starts on OK, and
# Shift+Tab goes round to the last control, the box; Space switches it and
# Enter is OK. On, the user's Run key holds the quoted path and --hidden;
# off, the value is gone.
run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
settings_shows() { xdotool search --onlyvisible --name ' の設定$' 2>/dev/null | head -n 1 | grep .; }
settings_gone() { ! settings_shows >/dev/null; }
switch_start_with_session() {
    xdotool windowactivate --sync "$window" key alt+f
    sleep 0.5  # the menu takes its mnemonic once it is open
    xdotool key s
    settings=$(poll_until "$POLL_SECONDS" settings_shows) || fail "Alt+F S opened no settings"
    xdotool windowactivate --sync "$settings"
    xdotool key --delay 200 shift+Tab space Return
    poll_until "$POLL_SECONDS" settings_gone || fail "Enter left the settings open"
}
# The value is switched just after the dialog has closed.
run_value_starts_us() {
    query "$run_key" /v Vellmor |
        grep -Eq '^ +Vellmor +REG_SZ +"[A-Z]:\\.*\\vellmor-win\\vellmor\.exe" --hidden$'
}
run_value_gone() { ! query "$run_key" /v Vellmor >/dev/null; }
run_value_gone || fail "a Run value before the test"
switch_start_with_session
poll_until "$POLL_SECONDS" run_value_starts_us ||
    fail "no Run value of the quoted path and --hidden: $(query "$run_key" /v Vellmor)"
switch_start_with_session
poll_until "$POLL_SECONDS" run_value_gone ||
    fail "the Run value is still there: $(query "$run_key" /v Vellmor)"
echo "ログイン時に起動: the Run value written with the quoted path and --hidden, then removed"

# Closed by the window manager (Alt+F4), as by the close box: the settings
# are written beside the program, in CP932, with the hand-made key kept.
xdotool windowactivate --sync "$window" key alt+F4
scratch_wait_exit "$clock" || fail "the clock did not end after Alt+F4"
[ "$EXIT_STATUS" -eq 0 ] || fail "the clock ended with status $EXIT_STATUS"
ini="$app/vellmor.ini"
tr -d '\r' <"$ini" | LC_ALL=C grep -qx "City=$(printf '\x89\xa1\x95\x6c')" || fail "City is not 横浜 in CP932: $(od -c "$ini")"
for line in '[Time System]' 'Chime=3' 'Joya=32' 'Time Difference=8' 'Enable=0' 'Hour=12'; do
    tr -d '\r' <"$ini" | grep -qxF "$line" || fail "$line missing from the settings file"
done
echo "close: vellmor.ini written beside the program in CP932, Time Difference kept"

# The end of the session (Wine's "log off": the end-session messages to every
# window) saves as the close box does. The mutex went with the first copy.
rm "$ini"
wine ./vellmor.exe >>"$SCRATCH/clock.txt" 2>&1 &
clock=$!
scratch_track "$clock"
poll_until "$POLL_SECONDS" window_shows >/dev/null || fail "no window at the second start"
timeout "$POLL_SECONDS" wine wineboot --end-session || fail "wineboot --end-session: status $?"
scratch_wait_exit "$clock" || fail "the clock outlived the session"
tr -d '\r' <"$ini" | grep -qxF 'Chime=3' || fail "no settings file after the session ended"
echo "session end: the clock ended and saved its settings"

# vellmor-toki prints the same table as the Linux build, a Japanese city
# name on the command line included. Windows ends lines with CR LF.
if [ -n "$linux_toki" ] && [ -x "$linux_toki" ]; then
    for args in "--json --date 2024-06-21 --city 札幌 --at 12:00" \
                "--json --date 2006-12-31 --lat -35:27 --lon -0:07 --tz 0" \
                "--plain --date 2025-03-20"; do
        # shellcheck disable=SC2086
        windows_out=$(LC_ALL=C.UTF-8 wine ./vellmor-toki.exe $args | tr -d '\r')
        # shellcheck disable=SC2086
        linux_out=$("$linux_toki" $args)
        [ "$windows_out" = "$linux_out" ] || fail "vellmor-toki $args differs:
$(diff <(echo "$linux_out") <(echo "$windows_out"))"
    done
    echo "vellmor-toki: the same output as the Linux build"
    # An angle past the pole or the date line is bad input, as on Linux.
    for arg in "--lat 90:59" "--lon -180:01"; do
        status=0
        # shellcheck disable=SC2086
        wine ./vellmor-toki.exe $arg >/dev/null 2>&1 || status=$?
        [ "$status" -eq 2 ] || fail "vellmor-toki $arg: status $status, not 2"
    done
else
    echo "vellmor-toki: no Linux build to compare with (${linux_toki:-none given})" >&2
    exit 1
fi
