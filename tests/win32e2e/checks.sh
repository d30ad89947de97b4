# Sourced by the scripts under tests/win32e2e: checks that count, and finding
# and clicking the panel's controls from the control table. Needs $build (the
# Linux build, for panel-table).

. "$(dirname "${BASH_SOURCE[0]}")/../support/checks.sh"
finish() {
    echo "$passed passed, $failed failed"
    [ "$failed" -eq 0 ]
}

panel_table=$build/tests/win32e2e/table/panel-table
[ -x "$panel_table" ] || { echo "missing $panel_table: build first" >&2; exit 1; }
# The display scale of the session (PELMO_DPI, 96 by default) as a device
# pixel ratio, and a length in pixels at 96 dpi scaled as the windows scale it.
display_ratio=$(awk -v d="${PELMO_DPI:-96}" 'BEGIN { print d / 96 }')
scaled() { awk -v n="$1" -v r="$display_ratio" 'BEGIN { print int(n * r + 0.5) }'; }
"$panel_table" --ratio "$display_ratio" rects >"$session_dir/rects"

# X Y W H of a control, in client (device) pixels.
control_rect() {
    awk -v n="$1" '$1 == n { print $3, $4, $5, $6; found = 1 } END { exit !found }' \
        "$session_dir/rects"
}

# Waits up to 10 s for a visible window (xdotool search arguments); prints it.
wait_for_window() {
    local w
    for _ in $(seq 100); do
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

# Clicks the centre of a control; $origin holds the client area's top-left
# corner on the screen.
click_control() {
    local r
    r=($(control_rect "$1"))
    xdotool mousemove --sync $((origin[0] + r[0] + r[2] / 2)) $((origin[1] + r[1] + r[3] / 2)) \
        click 1
}
