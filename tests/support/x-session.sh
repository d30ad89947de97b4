# Sourced first, with "$0" "$@", by every script that opens windows: runs the
# script again inside an Xvfb of its own, at 96 dpi on an 800x600 screen
# (PELMO_DPI: another density, on a screen large enough for the window at
# that scale; PELMO_X_SCREEN: another screen), then gives it the session of
# session.sh and a wait for windows.
#
#   . tests/support/x-session.sh "$0" "$@"
#
# The guard names the script, so that a script started from inside another
# one's session still gets an X server of its own.

if [ "${PELMO_X_SESSION:-}" != "$1" ]; then
    export PELMO_X_SESSION=$1
    x_dpi=${PELMO_DPI:-96}
    x_screen=${PELMO_X_SCREEN:-800x600}
    [ "$x_dpi" = 96 ] || x_screen=1700x1300
    # -noreset: the server must not restart when its last client leaves.
    exec xvfb-run -a -s "-screen 0 ${x_screen}x24 -dpi $x_dpi -noreset" "$@"
fi

. "$(dirname "${BASH_SOURCE[0]}")/session.sh"

# wait_for_window [-t SECONDS] ARGS...: waits up to SECONDS (30) for a
# visible window (xdotool search ARGS); prints it.
wait_for_window() {
    local tenths=300 w
    if [ "$1" = -t ]; then
        tenths=$(($2 * 10))
        shift 2
    fi
    for _ in $(seq "$tenths"); do
        w=$(xdotool search --onlyvisible "$@" 2>/dev/null | head -1) || true
        if [ -n "$w" ]; then
            echo "$w"
            return 0
        fi
        sleep 0.1
    done
    echo "FAIL no window ($*)" >&2
    return 1
}

# The top-left corner of a window on the screen, as "X Y"; for a window with
# no frame (no window manager) that is its client area's.
window_origin() {
    xdotool getwindowgeometry --shell "$1" | awk -F= '/^[XY]=/ { printf "%s ", $2 } END { print "" }'
}
