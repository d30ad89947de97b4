#!/usr/bin/env bash
# Soak: the real program under Xvfb, clicked with xdotool at random call
# buttons at random moments (during travels too), while port-watch reads byte
# 55 of the port file a thousand times a second. Half the time runs with no
# port file at the start, half with a 300-byte file already there.
#
#   soak/run-soak.sh [SECONDS] [BUILD_DIR]     (default 60 s, build)
#
# SOAK_SEED repeats a run's clicks. Everything happens in a private
# temporary directory: an emulator's port file is never touched.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
support=$root/tests/support
. "$support/panel-session.sh" "${2:-$root/build}" "$0" "$@"
seconds=${1:-60}
. "$root/soak/qt-panel.sh"

panel=$build/pelmo-lift
need "build first" "$panel"

seed=${SOAK_SEED:-$$}
RANDOM=$seed
work=$session_dir
panel_pid= watch_pid=
on_exit 'for p in $watch_pid $panel_pid; do kill "$p" 2>/dev/null || true; done'

fd_count() { ls /proc/"$panel_pid"/fd | wc -l; }
rss_kb() { awk '/^VmRSS/ { print $2 }' /proc/"$panel_pid"/status; }

# Clicks a random call button; sets $last_floor.
click_random() {
    local b=$((RANDOM % 12))
    click_button "$b"
    last_floor=$((b < 6 ? b : b - 6))
    clicks=$((clicks + 1))
}

# Waits for the panel to come to rest, then checks the cabin's floor.
checkpoint() {
    sleep 0.3 # the next tick takes up the last click
    if ! "$watch" idle "$port" 400 30000; then
        fail "$phase: the panel did not come to rest"
        return
    fi
    local seen
    seen=$(cabin_floor)
    travels=$((travels + 1))
    if [ "$seen" != "$last_floor" ]; then
        fail "$phase: travel $travels: cabin at floor $seen, last call was for floor $last_floor"
        wrong=$((wrong + 1))
    fi
}

# One phase: $1 its name, $2 its length in seconds, $3 "fresh" or "existing".
run_phase() {
    phase=$1
    local dir=$work/$1 deadline
    mkdir -p "$dir"
    port=$dir/$port_file_name
    local size_arg=()
    if [ "$3" = existing ]; then
        head -c 300 /dev/urandom >"$port"
        printf '\0' | dd of="$port" bs=1 seek=55 conv=notrunc status=none
        cp "$port" "$dir/before.dat"
        size_arg=(300)
    fi

    "$watch" watch "$port" "${size_arg[@]}" >"$dir/watch.log" &
    watch_pid=$!
    start_qt_panel "$panel" "$dir" "$dir/panel.log"
    [ -n "$window" ] || { sed "s/^/    /" "$dir/panel.log"; fail "$phase: no window"; return; }

    clicks=0 travels=0 wrong=0 during=0
    click_random
    checkpoint
    local fd0 rss0 fd_max rss_last
    fd0=$(fd_count) rss0=$(rss_kb) fd_max=$fd0

    deadline=$((SECONDS + $2))
    while [ "$SECONDS" -lt "$deadline" ]; do
        for _ in $(seq $((1 + RANDOM % 3))); do
            sleep "$((RANDOM % 2000 / 1000)).$(printf %03d $((RANDOM % 1000)))"
            if [ "$(port_byte)" != 0 ]; then during=$((during + 1)); fi
            click_random
        done
        checkpoint
        local fd
        fd=$(fd_count)
        if [ "$fd" -gt "$fd_max" ]; then fd_max=$fd; fi
    done
    rss_last=$(rss_kb)

    echo "$phase: $clicks clicks ($during while a call was under way), $travels checkpoints"
    if [ "$wrong" -eq 0 ]; then
        pass "$phase: after each of $travels travels the cabin stood at the last called floor"
    fi
    if kill -0 "$panel_pid" 2>/dev/null; then
        pass "$phase: the panel kept running"
    else
        fail "$phase: the panel died"
    fi
    if [ "$fd_max" -le "$fd0" ]; then
        pass "$phase: open files stayed at $fd0"
    else
        fail "$phase: open files grew from $fd0 to $fd_max"
    fi
    # Room for allocator and cache noise; a leak per tick or per travel is far more.
    if [ "$rss_last" -le $((rss0 + 4096)) ]; then
        pass "$phase: resident memory ${rss0} KiB -> ${rss_last} KiB"
    else
        fail "$phase: resident memory grew from ${rss0} KiB to ${rss_last} KiB"
    fi

    kill "$panel_pid"
    wait "$panel_pid" 2>/dev/null || true
    panel_pid=
    kill "$watch_pid"
    if wait "$watch_pid"; then
        pass "$phase: every read of port 155 was 0, 1, 2, 4, 8, 16 or 32 and the size held"
    else
        fail "$phase: port 155 reads"
    fi
    watch_pid=
    sed 's/^/    /' "$dir/watch.log"

    if [ "$3" = existing ]; then
        # cmp -l counts bytes from 1: byte 56 is port 155, the one allowed to differ.
        if [ "$(stat -c %s "$port")" = 300 ] &&
            ! cmp -l "$dir/before.dat" "$port" | awk '$1 != 56' | grep -q .; then
            pass "$phase: the 300-byte file kept its length and every other byte"
        else
            fail "$phase: the 300-byte file was changed beyond byte 55"
        fi
    elif [ "$(stat -c %s "$port" 2>/dev/null)" = 56 ]; then
        pass "$phase: the new port file is 56 bytes"
    else
        fail "$phase: the new port file is not 56 bytes"
    fi
}

echo "Soak for $seconds s, seed $seed"
run_phase fresh $((seconds / 2)) fresh
run_phase existing $((seconds - seconds / 2)) existing
finish soak
