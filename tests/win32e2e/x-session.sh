# Sourced first by every script under tests/win32e2e with "$0" "$@": runs the
# script again inside its own Xvfb at 96 dpi (PELMO_DPI: another density,
# on a screen large enough for the window at that scale), and gives it a private working
# folder ($session_dir) and a list of things to undo at the end (on_exit).

if [ -z "${PELMO_E2E_DISPLAY:-}" ]; then
    export PELMO_E2E_DISPLAY=1
    # -noreset: the server must not restart when its last client leaves.
    x_dpi=${PELMO_DPI:-96}
    x_screen=${PELMO_X_SCREEN:-800x600}
    [ "$x_dpi" = 96 ] || x_screen=1700x1300
    exec xvfb-run -a -s "-screen 0 ${x_screen}x24 -dpi $x_dpi -noreset" "$@"
fi

session_dir=$(mktemp -d)
session_undo=()
on_exit() { session_undo+=("$1"); }
session_end() {
    local i
    for ((i = ${#session_undo[@]} - 1; i >= 0; i--)); do eval "${session_undo[$i]}" || true; done
    rm -rf "$session_dir"
}
trap session_end EXIT
