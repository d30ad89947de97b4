# Sourced by the scripts that click the panel or look at it: its controls'
# places, its client area and the cabin's place at each floor, all from the
# control table (panel-table), at the session's display scale. Needs $build
# (the Linux build), $session_dir and checks.sh.
#
#   control_rect NAME      X Y W H of a control, in client (device) pixels
#   control_centre NAME    X Y of its centre
#   click_control NAME     a click at its centre; $origin holds the client
#                          area's top-left corner on the screen
#   client_size            the client area, WxH; $client_w, $client_h
#   floor_top[F]           the cabin's top standing at floor F; floor_top_96
#                          the same at 96 dpi

panel_table=$build/tools/panel-table/panel-table
need "build first" "$panel_table"

# A length in pixels at 96 dpi scaled as the windows scale it.
scaled() { awk -v n="$1" -v r="$display_ratio" 'BEGIN { print int(n * r + 0.5) }'; }

# use_ratio R: the places at device pixel ratio R.
use_ratio() {
    local size
    display_ratio=$1
    "$panel_table" --ratio "$1" rects >"$session_dir/rects"
    size=($("$panel_table" --ratio "$1" client))
    client_w=${size[0]} client_h=${size[1]}
    client_size=${client_w}x$client_h
    floor_top=($("$panel_table" --ratio "$1" floors | awk '{ print $2 }'))
}

control_rect() {
    awk -v n="$1" '$1 == n { print $3, $4, $5, $6; found = 1 } END { exit !found }' \
        "$session_dir/rects"
}

control_centre() {
    local r
    r=($(control_rect "$1"))
    echo $((r[0] + r[2] / 2)) $((r[1] + r[3] / 2))
}

click_control() {
    local c
    c=($(control_centre "$1"))
    xdotool mousemove --sync $((origin[0] + c[0])) $((origin[1] + c[1])) click 1
}

floor_top_96=($("$panel_table" floors | awk '{ print $2 }'))
# The display scale of the session (PELMO_DPI, 96 by default).
use_ratio "$(awk -v d="${PELMO_DPI:-96}" 'BEGIN { print d / 96 }')"
