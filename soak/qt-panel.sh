# Sourced by the scripts that drive the Linux panel under Xvfb (the soak and
# the port-file faults): starting it, clicking its call buttons, and which
# floor its cabin stands at. Needs the session, checks.sh and geometry.sh.

# start_qt_panel PANEL TMPDIR LOG: sets $panel_pid, $window (empty when no
# window came up within 30 s) and $origin.
start_qt_panel() {
    TMPDIR=$2 XDG_RUNTIME_DIR=$2 QT_QPA_PLATFORM=xcb "$1" 2>"$3" &
    panel_pid=$!
    window=$(wait_for_window --pid "$panel_pid" 2>/dev/null) || window=
    if [ -n "$window" ]; then origin=($(window_origin "$window")); fi
}

# click_button N: a click on Command1(N), 0 to 5 on the keypad, 6 to 11 in
# the shaft.
click_button() { click_control "Command1($1)"; }

# The floor at which the cabin stands in a screenshot; "between" otherwise.
cabin_floor() {
    local shot=$session_dir/shot.png y f cabin
    cabin=($(control_rect Picture1))
    import -window "$window" "$shot"
    # The cabin's light green, first row of it in the shaft's cabin column.
    y=$(convert "$shot" -crop "${cabin[2]}x${client_h}+${cabin[0]}+0" +repage txt:- |
        awk -F'[,:]' 'toupper($0) ~ /#80FF80/ && y == "" { y = $2 } END { print y }')
    for f in 0 1 2 3 4 5; do
        if [ "$y" = "${floor_top[$f]}" ]; then
            echo "$f"
            return
        fi
    done
    echo "between (top at y=${y:-none})"
}
