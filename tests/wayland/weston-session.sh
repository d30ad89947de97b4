# Sourced by the scripts that open the panel on a Wayland desktop: a weston
# compositor of the script's own (Debian 12's weston 10 and Debian 13's
# weston 14 take the same options), what it was asked by its clients, and
# its own capture of its output. Needs session.sh ($session_dir, on_exit).
#
#   start_weston BACKEND SCALE   weston on BACKEND (headless, or x11 inside
#                                this script's X server, which gives it a
#                                pointer to click with) at output SCALE;
#                                sets WAYLAND_DISPLAY, $weston_log
#   stop_weston
#   wait_for_toplevel            waits for a client's window; sets $toplevel,
#                                the lines the compositor logged about it
#   weston_capture OUT.png       the compositor's capture of its output
#   window_box PNG               the box of what stands on the plain ground,
#                                "W H X Y" in device pixels
#
# The desktop shell places windows where it likes on a plain ground with no
# panel, so that a window is found on a capture by its box.

weston_runtime=$session_dir/wayland-runtime
mkdir -p -m 0700 "$weston_runtime"
export XDG_RUNTIME_DIR=$weston_runtime
weston_pid=
weston_count=0
on_exit 'stop_weston'

cat >"$session_dir/weston.ini" <<'EOF'
[core]
idle-time=0

[shell]
background-image=
background-color=0xff204060
panel-position=none
locking=false
EOF

stop_weston() {
    [ -n "$weston_pid" ] || return 0
    kill "$weston_pid" 2>/dev/null || true
    wait "$weston_pid" 2>/dev/null || true
    weston_pid=
    unset WAYLAND_DISPLAY
}

start_weston() {
    local backend=$1 scale=$2 socket
    stop_weston
    weston_count=$((weston_count + 1))
    socket=wayland-pelmo-$weston_count
    weston_log=$session_dir/weston-$weston_count.log
    # --debug lets a client capture the output (weston-screenshooter); the
    # proto scope logs every request a client makes; the pixman renderer
    # draws without a graphics card. On the x11 backend the width and height
    # are the output's, before the scale.
    weston --backend="$backend-backend.so" --use-pixman --scale="$scale" \
        --width=900 --height=700 --socket="$socket" --config="$session_dir/weston.ini" \
        --log="$weston_log" --logger-scopes=log,proto --debug >/dev/null 2>&1 &
    weston_pid=$!
    for _ in $(seq 300); do
        if [ -S "$weston_runtime/$socket" ]; then
            export WAYLAND_DISPLAY=$socket
            return 0
        fi
        kill -0 "$weston_pid" 2>/dev/null || break
        sleep 0.1
    done
    echo "weston ($backend, scale $scale) did not start:" >&2
    sed 's/^/    /' "$weston_log" >&2 || true
    return 1
}

wait_for_toplevel() {
    local id
    for _ in $(seq 300); do
        id=$(sed -n 's/.*rq \(xdg_toplevel@[0-9]*\)\.set_title(.*/\1/p' "$weston_log" | tail -1)
        if [ -n "$id" ]; then
            toplevel=$(grep -F "$id." "$weston_log")
            return 0
        fi
        sleep 0.1
    done
    toplevel=
    return 1
}

weston_capture() {
    local dir=$session_dir/capture shot
    rm -rf "$dir"
    mkdir -p "$dir"
    (cd "$dir" && weston-screenshooter >/dev/null 2>&1) || return 1
    shot=$(ls "$dir"/*.png 2>/dev/null | head -1)
    [ -n "$shot" ] && mv "$shot" "$1"
}

window_box() {
    convert "$1" -format '%@' info: | tr 'x+' '  '
}
