# Sourced by the scripts that drive the Linux panel under Xvfb (the soak and
# the port-file faults): where its buttons and cabin are, starting it, and
# which floor its cabin stands at. Needs $work (a private folder).

# Window pixels of the call buttons' centres, Command1(0) to Command1(11).
button_x=(32 56 32 56 32 56 376 376 376 376 376 376)
button_y=(184 184 160 160 136 136 336 280 224 168 112 56)
# The cabin's top, in pixels, standing at floors 0 to 5.
floor_y=(304 240 184 128 72 16)

port_byte() { od -An -tu1 -j55 -N1 "$1" 2>/dev/null | tr -d ' '; }

# start_qt_panel PANEL TMPDIR LOG: sets $panel_pid and $window (empty when
# no window came up within 10 s).
start_qt_panel() {
    TMPDIR=$2 XDG_RUNTIME_DIR=$2 QT_QPA_PLATFORM=xcb "$1" 2>"$3" &
    panel_pid=$!
    window=
    for _ in $(seq 100); do
        window=$(xdotool search --onlyvisible --pid "$panel_pid" 2>/dev/null | head -1) || true
        if [ -n "$window" ]; then break; fi
        sleep 0.1
    done
}

click_button() { xdotool mousemove --window "$window" "${button_x[$1]}" "${button_y[$1]}" click 1; }

# The floor at which the cabin stands in a screenshot; "between" otherwise.
cabin_floor() {
    local shot=$work/shot.png y f
    import -window "$window" "$shot"
    # The cabin's light green, first row of it in the shaft's cabin column.
    y=$(convert "$shot" -crop 49x448+304+0 +repage txt:- |
        awk -F'[,:]' 'toupper($0) ~ /#80FF80/ && y == "" { y = $2 } END { print y }')
    for f in 0 1 2 3 4 5; do
        if [ "$y" = "${floor_y[$f]}" ]; then
            echo "$f"
            return
        fi
    done
    echo "between (top at y=${y:-none})"
}
