#!/usr/bin/env bash
# The panel on a Wayland desktop, under Debian's weston: started as a desktop
# starts it (no QT_QPA_PLATFORM, an X server beside the compositor, as
# XWayland is in a Wayland session), it must open as a native Wayland window:
# Qt loads its wayland platform, no X11 window is made, and the compositor is
# asked for a toplevel of the panel's caption and menu entry, one size at its
# least and its most. The compositor's capture, at scale 1 and 2 on weston's
# headless backend, must show the window the panel draws with its own frame
# (so Qt drew none around it) and a client area that matches the X11 picture
# at the same scale. An AT-SPI client reads the native window as the X11 one.
# On weston's x11 backend, whose pointer and keyboard are this script's X
# server's, a real click on "Call floor 3" writes its code and moves the
# cabin, the space bar presses the focused button, and a click on the close
# box ends the panel.
#
#   tests/wayland/run-wayland-test.sh PELMO-LIFT BUILD OUT
#
# BUILD has panel-table and port-watch; the pictures go to OUT.
export PELMO_X_SCREEN=1900x1500
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../support/panel-session.sh" "$2" "$0" "$@"
. "$here/weston-session.sh"
program=$1
out=$3
rm -rf "$out"
mkdir -p "$out"
started=$SECONDS

for tool in weston weston-screenshooter convert xdotool; do
    command -v "$tool" >/dev/null || { echo "missing $tool: run scripts/install-deps.sh" >&2; exit 1; }
done

# The frame the panel draws itself on such a desktop (PanelWindowFrame.h),
# at 96 dpi: left, top, right, bottom.
frame=(4 32 4 4)
tmp=$session_dir/tmp
mkdir -p "$tmp"
port=$tmp/$port_file_name
panel_pid=
on_exit 'if [ -n "$panel_pid" ]; then kill "$panel_pid" 2>/dev/null || true; fi'

# Under AddressSanitizer the xcb platform's keyboard set-up reads a name of
# the X server's reply with strndup, bounded but not ended by a NUL (see
# tests/qt/atspi/run-atspi-test.sh), and at the real program's end the leak
# check reports what Qt's wayland
# platform, Qt's own services and libdbus never free, from inside those
# libraries and different on each Qt version; the panel's own objects are
# leak-checked where the tests build and destroy them in one process
# (wayland_tests, qt_tests). Every other check stays.
if [ -n "${ASAN_OPTIONS:-}" ]; then
    export ASAN_OPTIONS=$ASAN_OPTIONS:strict_string_checks=0:detect_leaks=0
fi

stop_panel() {
    if [ -n "$panel_pid" ]; then
        kill "$panel_pid" 2>/dev/null || true
        wait "$panel_pid" 2>/dev/null || true
        panel_pid=
    fi
}

# Away from every window: neither the X server's nor weston's pointer over one.
park_pointer() { xdotool mousemove 1890 1490; }

# same NAME RATIO EXPECTED ACTUAL CABIN_TOP_96: the X11 density tests'
# comparison of two client areas (panel-table compare); quiet, for a wait.
same() {
    "$panel_table" --ratio "$2" compare "$3" "$4" "$out/diff-$1.png" "${5:-${floor_top_96[0]}}" \
        >"$out/$1.txt"
}

# --- The X11 pictures: the panel on xcb at each scale -------------------------
# x11_picture RATIO NAME [FLOOR-CALL]: the client area as it opens, or after
# a click on a floor's call button and the travel.
x11_picture() {
    local window origin
    use_ratio "$1"
    rm -f "$port"
    TMPDIR=$tmp QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$1 "$program" 2>"$out/x11-$2.log" &
    panel_pid=$!
    window=$(wait_for_window --pid "$panel_pid")
    origin=($(window_origin "$window"))
    if [ -n "${3:-}" ]; then
        click_control "$3"
        "$watch" wait "$port" 8 20000 >/dev/null
    fi
    park_pointer
    "$watch" wait "$port" 0 30000 >/dev/null
    steady_picture "import -window $window" "$out/x11-$2.png"
    stop_panel
}

# steady_picture COMMAND OUT: COMMAND OUT.png again until two pictures agree.
steady_picture() {
    local last=$session_dir/last.png
    $1 "$last"
    for _ in $(seq 100); do
        $1 "$2"
        cmp -s "$2" "$last" && return 0
        mv "$2" "$last"
        sleep 0.1
    done
    echo "the picture did not settle ($1)" >&2
    return 1
}

x11_picture 1 start-1
x11_picture 2 start-2
x11_picture 2 floor3-2 "Command1(9)"
echo "X11 pictures taken in $((SECONDS - started)) s"

# --- The panel as a Wayland desktop starts it ---------------------------------
start_native() {
    rm -f "$port"
    env -u QT_QPA_PLATFORM TMPDIR="$tmp" XDG_SESSION_TYPE=wayland \
        QT_LOGGING_RULES=qt.qpa.plugin=true "$program" 2>"$out/$1.log" &
    panel_pid=$!
}

# native_checks NAME SCALE
native_checks() {
    if grep -q 'Successfully loaded Qt platform plugin "wayland"' "$out/$1.log"; then
        pass "$1: Qt loaded its wayland platform"
    else
        fail "$1: Qt did not load its wayland platform: $(grep 'qt.qpa.plugin' "$out/$1.log" | tail -1)"
    fi
    if [ -z "$(xdotool search --pid "$panel_pid" 2>/dev/null)" ]; then
        pass "$1: no X11 window, with an X server there to take one"
    else
        fail "$1: the panel made an X11 window"
    fi
    local size="$((client_w96 + frame[0] + frame[2])), $((client_h96 + frame[1] + frame[3]))"
    local want
    for want in 'set_title("  Pelmo  Lift")' 'set_app_id("org.example.PelmoLift")' \
        "set_min_size($size)" "set_max_size($size)"; do
        if grep -qF "$want" <<<"$toplevel"; then
            pass "$1: the toplevel asked for $want"
        else
            fail "$1: the toplevel never asked for $want"
        fi
    done
}

# capture_window OUT: the output captured; $box, the window's box on it. On
# the x11 backend weston draws the pointer wherever it is: it is captured in
# one corner of the output and then in the other, and the window is what
# both boxes hold.
capture_window() {
    if [ -z "${weston_window:-}" ]; then
        weston_capture "$1" && box=($(window_box "$1"))
        return
    fi
    local first=() second=() right bottom
    pointer_in_weston 0 0
    weston_capture "$1" || return 1
    first=($(window_box "$1"))
    pointer_in_weston $((weston_size[0] - 1)) $((weston_size[1] - 1))
    weston_capture "$1" || return 1
    second=($(window_box "$1"))
    right=$(((first[2] + first[0]) < (second[2] + second[0]) ? first[2] + first[0] : second[2] + second[0]))
    bottom=$(((first[3] + first[1]) < (second[3] + second[1]) ? first[3] + first[1] : second[3] + second[1]))
    box[2]=$((first[2] > second[2] ? first[2] : second[2]))
    box[3]=$((first[3] > second[3] ? first[3] : second[3]))
    box[0]=$((right - box[2]))
    box[1]=$((bottom - box[3]))
}

# pointer_in_weston X Y: the pointer at a point of weston's output.
pointer_in_weston() {
    xdotool mousemove --sync $((weston_origin[0] + $1)) $((weston_origin[1] + $2))
}

# wait_for_look NAME SCALE EXPECTED [CABIN_TOP_96]: captures the output until
# the window stands on it at its size, its client area the same as EXPECTED.
wait_for_look() {
    local shot=$out/wayland-$1.png want_w want_h deadline=$((SECONDS + 30))
    box=()
    want_w=$(scaled $((client_w96 + frame[0] + frame[2])))
    want_h=$(scaled $((client_h96 + frame[1] + frame[3])))
    while :; do
        if capture_window "$shot"; then
            if [ "${box[0]}x${box[1]}" = "${want_w}x$want_h" ]; then
                convert "$shot" -crop "${client_size}+$((box[2] + $(scaled "${frame[0]}")))+$((box[3] + $(scaled "${frame[1]}")))" \
                    +repage "$out/client-$1.png"
                same "$1" "$2" "$3" "$out/client-$1.png" "${4:-}" && break
            fi
        fi
        if [ "$SECONDS" -ge "$deadline" ]; then
            fail "$1: the window on the capture is ${box[0]:-?}x${box[1]:-?}, not the panel in its own frame (${want_w}x$want_h), or its client area differs: $(head -1 "$out/$1.txt" 2>/dev/null); see $out"
            return 1
        fi
        sleep 0.2
    done
    window=("${box[@]}")
    pass "$1: the compositor shows the window in its own frame, ${want_w}x$want_h, its client area as on X11: $(head -1 "$out/$1.txt")"
}

client96=($("$panel_table" client))
client_w96=${client96[0]} client_h96=${client96[1]}

for scale in 1 2; do
    use_ratio "$scale"
    start_weston headless "$scale"
    start_native "headless-$scale"
    if wait_for_toplevel; then
        native_checks "headless-$scale" "$scale"
        wait_for_look "headless-$scale" "$scale" "$out/x11-start-$scale.png" || true
    else
        fail "headless-$scale: no toplevel asked of the compositor"
        sed 's/^/    /' "$out/headless-$scale.log"
    fi
    stop_panel
    stop_weston
done
echo "headless compositor at scale 1 and 2 done in $((SECONDS - started)) s"

# --- Accessibility, as on X11 ------------------------------------------------
# The AT-SPI client of tests/qt/atspi reads the native window at scale 2 and
# presses "Call floor 3" through its action, in a D-Bus session of its own.
start_weston headless 2
rm -f "$port"
if dbus-run-session -- env -u QT_QPA_PLATFORM TMPDIR="$tmp" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
    QT_ACCESSIBILITY=1 bash -c '"$1" 2>"$2" & panel=$!
        /usr/bin/python3 "$3" "$(basename "$1")"; status=$?
        kill $panel; wait $panel; exit $status' \
    _ "$program" "$out/atspi.log" "$here/../qt/atspi/atspi-client.py" >"$out/atspi.txt" 2>&1; then
    pass "an AT-SPI client reads the native window and presses \"Call floor 3\" as on X11 ($(grep -c '^pass' "$out/atspi.txt") checks)"
else
    fail "the AT-SPI client on the native window: $(grep -m3 '^FAIL' "$out/atspi.txt" || tail -3 "$out/atspi.txt")"
fi
stop_weston

# --- A real click through the compositor ------------------------------------
use_ratio 2
park_pointer
start_weston x11 2
weston_window=$(wait_for_window --class weston)
weston_origin=($(window_origin "$weston_window"))
weston_size=($(xdotool getwindowgeometry --shell "$weston_window" | sed -n 's/^\(WIDTH\|HEIGHT\)=//p'))
start_native x11-2
if ! wait_for_toplevel || ! wait_for_look x11-2 2 "$out/x11-start-2.png"; then
    fail "x11-2: the panel did not open under weston's x11 backend"
    finish wayland
    exit 1
fi
# click_at X Y: a click at a point of the window's capture.
click_at() {
    xdotool mousemove --sync $((weston_origin[0] + $1)) $((weston_origin[1] + $2)) click 1
}
client_origin=($((window[2] + $(scaled "${frame[0]}"))) $((window[3] + $(scaled "${frame[1]}"))))
call=($(control_centre "Command1(9)"))
click_at $((client_origin[0] + call[0])) $((client_origin[1] + call[1]))
expect_port 8 20 "a click on \"Call floor 3\" through the compositor wrote 8 to byte 55"
expect_port 0 30 "the travel ended and byte 55 is 0 again"
wait_for_look floor3-2 2 "$out/x11-floor3-2.png" "${floor_top_96[3]}" || true

# The keyboard: the clicked button has the focus, and the space bar presses it.
xdotool key space
expect_port 8 20 "the space bar through the compositor pressed \"Call floor 3\" again"
expect_port 0 30 "and byte 55 is 0 again"

# The close box: at the right of the title bar, 8 pixels in, 20 across.
click_at $((window[2] + window[0] - $(scaled 18))) $((window[3] + $(scaled 16)))
for _ in $(seq 200); do
    kill -0 "$panel_pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$panel_pid" 2>/dev/null; then
    fail "a click on the close box did not end the panel"
else
    status=0
    wait "$panel_pid" || status=$?
    panel_pid=
    if [ "$status" -eq 0 ]; then
        pass "a click on the close box ended the panel (status 0)"
    else
        fail "the panel ended with status $status after a click on its close box"
        tail -20 "$out/x11-2.log"
    fi
fi
stop_weston

echo "wayland test took $((SECONDS - started)) s"
finish wayland
