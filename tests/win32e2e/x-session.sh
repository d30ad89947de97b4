# Sourced first by every script under tests/win32e2e with "$0" "$@": runs the
# script again inside its own Xvfb at 96 dpi, and gives it a private working
# folder ($session_dir) and a list of things to undo at the end (on_exit).

if [ -z "${PELMO_E2E_DISPLAY:-}" ]; then
    export PELMO_E2E_DISPLAY=1
    # -noreset: the server must not restart when its last client leaves.
    exec xvfb-run -a -s "-screen 0 800x600x24 -dpi 96 -noreset" "$@"
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
