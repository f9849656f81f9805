# Sourced after clock_harness.sh by the Wayland tests (bash): a weston of the
# test's own, and the clock started as a native Wayland client of it
# (GDK_BACKEND=wayland, no X server for the clock). What the clock asks of the
# compositor is read from its Wayland protocol log (WAYLAND_DEBUG=1, on its
# stderr, $SCRATCH/stderr.txt); what it shows, from weston's screenshots (its
# screenshooter needs weston's --debug).

FIND_FACE="/usr/bin/python3 $(dirname "${BASH_SOURCE[0]}")/hidpi_pictures.py find"
WESTON_PID=""

# wayland_start BACKEND: starts weston with headless-backend.so (no screen,
# no input devices, so no seat) or x11-backend.so (a window on an X server of
# the test's own, whose keyboard and pointer give it a seat), and points the
# clock at it. Skips the test (status 77) when weston cannot start here.
wayland_start() {
    command -v weston >/dev/null && command -v weston-screenshooter >/dev/null ||
        skip "weston is not installed"
    [ "$1" = x11 ] && scratch_display
    WAYLAND_SOCKET="vellmor-$$"
    # --idle-time=0: an idle weston stops repainting its outputs, and a
    # screenshot waits for a repaint.
    weston --backend="$1-backend.so" --use-pixman --width=640 --height=480 \
        --socket="$WAYLAND_SOCKET" --idle-time=0 --no-config --debug \
        --log="$SCRATCH/weston.txt" >/dev/null 2>&1 &
    WESTON_PID=$!
    scratch_track "$WESTON_PID"
    poll_until "$POLL_SECONDS" wayland_ready || skip "weston did not start (see weston.txt)"
    # The X server under an x11-backend weston, for keys (wayland_x).
    WAYLAND_X_DISPLAY=${DISPLAY:-}
    unset DISPLAY
    export GDK_BACKEND=wayland WAYLAND_DISPLAY="$WAYLAND_SOCKET" WAYLAND_DEBUG=1
}
wayland_ready() {
    scratch_running "$WESTON_PID" || return 2
    [ -S "$XDG_RUNTIME_DIR/$WAYLAND_SOCKET" ]
}

# wayland_toplevel TITLE: echoes the number of the last xdg_toplevel that
# the clock titled so; status 1 while there is none.
wayland_toplevel() {
    grep -a -F ".set_title(\"$1\")" "$SCRATCH/stderr.txt" 2>/dev/null | tail -1 |
        sed -n 's/.*xdg_toplevel@\([0-9]*\)\.set_title.*/\1/p' | grep .
}
# wayland_wait_toplevel TITLE: echoes its number once the clock has asked for it.
wayland_wait_toplevel() {
    poll_until "$POLL_SECONDS" wayland_toplevel "$1" >/dev/null || return 1
    wayland_toplevel "$1"
}

# wayland_shot NAME: a screenshot of weston's output as $SCRATCH/NAME.png.
wayland_shot() {
    mkdir -p "$SCRATCH/shots" && rm -f "$SCRATCH/shots"/*.png
    (cd "$SCRATCH/shots" && timeout 20 weston-screenshooter) >/dev/null 2>&1 || return 1
    mv "$SCRATCH/shots"/*.png "$SCRATCH/$1.png"
}

# wayland_wait_painted NAME: takes screenshots NAME.png until one shows the
# clock's face.
wayland_wait_painted() {
    poll_until "$POLL_SECONDS" wayland_face_shown "$1" ||
        fail "the window was never painted ($1.png)"
}
wayland_face_shown() {
    wayland_shot "$1" && $FIND_FACE "$SCRATCH/$1.png" "$PICTURES" 1 >/dev/null
}

# wayland_x KEY...: xdotool on the X server under an x11-backend weston;
# weston hands its keys to the Wayland window that has the keyboard focus. X
# gives the keyboard to the window under the pointer when no window manager
# runs: the pointer goes over weston's first.
wayland_x() {
    DISPLAY=$WAYLAND_X_DISPLAY xdotool mousemove 320 240
    DISPLAY=$WAYLAND_X_DISPLAY xdotool "$@"
}
# True once one of the clock's windows has had the keyboard focus.
wayland_keyboard_entered() { grep -a -q 'wl_keyboard@[0-9]*\.enter(' "$SCRATCH/stderr.txt"; }
wayland_popups() { grep -a -c '\.get_popup(' "$SCRATCH/stderr.txt" || true; }

# wayland_menu MENU ITEM: chooses a menu item with the keyboard, as Alt+MENU
# then ITEM, the letters of their mnemonics. Alt and MENU are held until the
# menu has asked for its pop-up: weston ends a pop-up's grab at once when the
# key press it was asked for is older than the keys' release.
wayland_menu() {
    _wayland_popups=$(wayland_popups)
    wayland_x keydown alt keydown "$1"
    _wayland_more_popups() { [ "$(wayland_popups)" -gt "$_wayland_popups" ]; }
    poll_until "$POLL_SECONDS" _wayland_more_popups || fail "Alt+$1 opened no menu"
    wayland_x keyup "$1" keyup alt
    wayland_x key "$2"
}
