# Sourced by the scripts that drive pelmo-lift.exe under Wine: starting it,
# where its cabin stands, and what its lamps and digit show, judged against
# the panel's own lamp templates and the Qt panel's pictures.

title="  Pelmo  Lift"
cabin=($(control_rect Picture1))
# Pictures of the Qt panel at the session's scale.
qt_snapshot() { "$snapshot" --ratio "$display_ratio" "$@"; }

# Starts the exe; sets $panel_pid, $window and $origin (the client area's
# top-left corner on the screen).
start_panel() {
    wine "$build_win/pelmo-lift.exe" 2>"$session_dir/panel.log" &
    panel_pid=$!
    on_exit "kill $panel_pid 2>/dev/null || true"
    window=$(wait_for_window --name "^${title}\$") || exit 1
    origin=($(wine "$wine_probe" client "$title" | tr -d '\r'))
    if [ "${origin[2]:-}x${origin[3]:-}" = "$client_size" ]; then
        pass "client area $client_size at $display_ratio times 96 dpi"
    else
        fail "client area ${origin[2]:-?}x${origin[3]:-?}, not $client_size"
    fi
}

cabin_top() { wine "$wine_probe" top "$title" "${cabin[0]}" "${cabin[2]}" "${cabin[3]}" | tr -d '\r'; }

# wait_for_cabin TOP SECONDS: true once the cabin stands at TOP.
wait_for_cabin() {
    local deadline=$((SECONDS + $2))
    while [ "$SECONDS" -lt "$deadline" ]; do
        [ "$(cabin_top)" = "$1" ] && return 0
        sleep 0.1
    done
    return 1
}

alive() {
    if kill -0 "$panel_pid" 2>/dev/null && xdotool getwindowname "$window" >/dev/null 2>&1; then
        pass "$1: the panel is still running"
    else
        fail "$1: the panel is gone"
    fi
}

# Copies a picture that shows a fault to BUILD_WIN/e2e-pictures; prints where.
keep_picture() {
    local kept=$build_win/e2e-pictures
    mkdir -p "$kept"
    cp "$1" "$kept/$(date +%H%M%S)-$(basename "$1")"
    echo "$kept/$(date +%H%M%S)-$(basename "$1")"
}

# Takes a picture of the client area into $1.
client_shot() {
    import -window root -crop "${client_size}+${origin[0]}+${origin[1]}" +repage "$1"
}

# A fingerprint of a control's pixels in a picture of the client area; a
# lamp's last column (two device pixels on a denser screen) is left out,
# since the lamp templates in the legend overlap their right-hand neighbours
# by one pixel.
pixels_of() { # picture control
    local r
    r=($(control_rect "$2"))
    [[ $2 == Picture2* ]] && r[2]=$((r[2] - ($(scaled 1) > 1 ? 2 : 1)))
    convert "$1" -crop "${r[2]}x${r[3]}+${r[0]}+${r[1]}" +repage rgb:- | md5sum
}

# check_lamps PICTURE TEXT TEMPLATE_0 ... TEMPLATE_5: lamp 20 + f shows
# what control TEMPLATE_f shows (of PICTURE, or of a picture given as
# TEMPLATE=file).
check_lamps() {
    local picture=$1 text=$2 f ref wrong=
    shift 2
    for f in 0 1 2 3 4 5; do
        ref=$1
        shift
        if [[ $ref == *=* ]]; then
            ref=$(pixels_of "${ref#*=}" "${ref%%=*}")
        else
            ref=$(pixels_of "$picture" "$ref")
        fi
        [ "$(pixels_of "$picture" "Picture2($((20 + f)))")" = "$ref" ] || wrong+=" floor $f"
    done
    if [ -z "$wrong" ]; then
        pass "$text"
    else
        fail "$text: wrong lamp at$wrong (picture: $(keep_picture "$picture"))"
    fi
}

check_digit() { # picture floor text
    if [ "$(pixels_of "$1" "d(0)")" = "$(pixels_of "$session_dir/qt$2.png" "d(0)")" ]; then
        pass "$3"
    else
        fail "$3: the digit is not the Qt panel's $2"
    fi
}

# check_at_rest FLOOR TEXT: the cabin stands at FLOOR, its lamp is blue and
# the others white (the templates Picture2(10) and (11)), the digit shows it.
check_at_rest() {
    local floor=$1 top templates=() f
    top=$(cabin_top)
    if [ "$top" = "${floor_top[$floor]}" ]; then
        pass "$2: the cabin stands at floor $floor"
    else
        fail "$2: the cabin's top is at $top, floor $floor is at ${floor_top[$floor]}"
    fi
    sleep 0.2 # the tick after the travel shows the digit
    client_shot "$session_dir/rest.png"
    for f in 0 1 2 3 4 5; do
        if [ "$f" = "$floor" ]; then templates+=("Picture2(10)"); else templates+=("Picture2(11)"); fi
    done
    check_lamps "$session_dir/rest.png" "$2: floor $floor's lamp blue, the others white" \
        "${templates[@]}"
    check_digit "$session_dir/rest.png" "$floor" "$2: the digit shows $floor"
}

# Before the first travel the lamps keep their design-time pictures, as the
# Qt panel shows them at start-up.
check_lamps_before_first_travel() {
    local start=$session_dir/qtstart.png
    qt_snapshot "$start"
    client_shot "$session_dir/start.png"
    check_lamps "$session_dir/start.png" "the lamps show their start-up pictures" \
        "Picture2(20)=$start" "Picture2(21)=$start" "Picture2(22)=$start" \
        "Picture2(23)=$start" "Picture2(24)=$start" "Picture2(25)=$start"
    check_digit "$session_dir/start.png" 0 "the digit shows 0 at start-up"
}

# Follows the cabin's moves into $2 until it stands at top $1 (or 20 s pass);
# sets $track_pid.
start_track() {
    wine "$wine_probe" track "$title" "${cabin[0]}" "${cabin[2]}" "${cabin[3]}" "$1" 20000 >"$2" &
    track_pid=$!
    # The probe reports where the cabin stands as soon as it has found it.
    for _ in $(seq 600); do
        grep -q '^top' "$2" 2>/dev/null && return 0
        sleep 0.05
    done
    fail "the probe found no cabin to follow"
}

# From the ground floor to the fifth: the cabin moves pixel by pixel, up only,
# at the pace of 900 twips a second (4.8 s), with every lamp red meanwhile.
check_slide_to_fifth() {
    local track=$session_dir/track
    start_track "${floor_top[5]}" "$track"
    click_control "Command1(11)"
    "$watch" wait "$port" 32 20000 || true
    sleep 1
    client_shot "$session_dir/travel.png"
    check_lamps "$session_dir/travel.png" "during the travel every lamp is red" \
        "Picture2(9)" "Picture2(9)" "Picture2(9)" "Picture2(9)" "Picture2(9)" "Picture2(9)"
    wait "$track_pid" || true
    # The cabin moves a pixel at 96 dpi at a time, whatever the scale.
    tr -d '\r' <"$track" | awk -v steps="$((floor_top_96[0] - floor_top_96[5]))" \
        -v last="${floor_top[5]}" '
        $1 == "byte" { start = $2 }
        $1 == "top" { if (n++ && $3 >= prev) back = 1; if (n > 2 && $2 - t > gap) gap = $2 - t
                      prev = $3; t = $2 }
        END {
            d = t - start
            printf "travel %d positions, %.0f ms, longest gap %.1f ms\n", n, d, gap
            ok = prev == last && !back && n >= steps / 2 && d >= 4800 * 0.97 && d <= 9600
            exit !ok
        }' >"$session_dir/slide" && status=0 || status=$?
    if [ "$status" -eq 0 ]; then
        pass "the cabin slides up: $(cat "$session_dir/slide") (pace 4800 ms)"
    else
        fail "the cabin does not slide at the pace: $(cat "$session_dir/slide")"
    fi
    "$watch" wait "$port" 0 20000 || true
    check_at_rest 5 "after the travel to the fifth floor"
}
