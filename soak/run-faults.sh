#!/usr/bin/env bash
# The real program under Xvfb with a port file that other programs get in the
# way of: a directory in its place or a full file system over the tick that
# carries a call (the code must reach offset 55 while the cabin travels) or
# for good (the panel runs on), a file truncated or rewritten by another
# program, and a second program writing its own ports a thousand times a
# second, every byte of which must survive. Prints how long after each fault
# lifted the code appeared.
#
#   soak/run-faults.sh [BUILD_DIR]     (default build)
#
# The port file is in a private directory; as root it is a small tmpfs of its
# own, which the full file system needs (skipped otherwise).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
support=$root/tests/support
. "$support/panel-session.sh" "${1:-$root/build}" "$0" "$@"
. "$support/port-faults.sh"
. "$root/soak/qt-panel.sh"

panel=$build/pelmo-lift
need "build first" "$panel"

work=$session_dir
dir=$work/tmp
mkdir "$dir"
if [ "$(id -u)" -eq 0 ] && mount -t tmpfs -o size=256k tmpfs "$dir" 2>/dev/null; then
    on_exit 'umount "$dir"'
    mounted=yes
else
    mounted=
fi
port=$dir/$port_file_name
size_of() { stat -c %s "$port" 2>/dev/null || echo none; }

start_qt_panel "$panel" "$dir" "$work/panel.log"
on_exit 'kill "$panel_pid" 2>/dev/null || true'
[ -n "$window" ] || { cat "$work/panel.log"; echo "FAIL no window"; exit 1; }
"$watch" wait "$port" 0 10000 || fail "the idle panel does not write 0"
floor=0

click_floor_button() { click_button $(($1 + 6)); }
cabin_at() { cabin_floor; }
panel_alive() { kill -0 "$panel_pid" 2>/dev/null || { fail "$1: the panel died"; exit 1; }; }

# momentary TEXT MAKE UNDO: the fault is on over the tick that takes up a call
# to the other end of the shaft (4.8 s) and lifts 0.4 s later.
momentary() {
    "$watch" idle "$port" 300 15000 || true
    local target t0 waiter at
    target=$(other_end)
    eval "$2"
    click_floor_button "$target"
    sleep 0.4
    "$watch" wait "$port" $((1 << target)) 10000 &
    waiter=$!
    eval "$3"
    t0=$(now_ms)
    if wait "$waiter"; then
        local lifted=$(($(now_ms) - t0))
        at=$(cabin_at)
        if [[ $at == between* ]]; then
            pass "$1 for 0.4 s over the call's tick: code $((1 << target)) at offset 55" \
                "during the travel, $lifted ms after the fault lifted"
        else
            fail "$1 for 0.4 s over the call's tick: the code came with the cabin at floor $at"
        fi
    else
        fail "$1 for 0.4 s over the call's tick: the code never reached the file"
    fi
    floor=$target
    arrive "$1"
}

# Watches byte 55 over the travel, the arrival and a tick after it.
code_during_travel() {
    eval "$2"
    click_floor_button "$1"
    "$watch" wait "$port" $((1 << $1)) 6000
}

momentary "a directory in the port file's place" port_dir_in_place 'rmdir "$port"'
lasting "a directory in the port file's place" port_dir_in_place 'rmdir "$port"'

if [ -n "$mounted" ]; then
    fill() { dd if=/dev/zero of="$dir/filler" bs=4k 2>/dev/null || true; }
    momentary "a full file system, the port file missing" 'rm -f "$port"; fill' \
        'echo "  the reader saw a file of $(size_of) bytes"; rm "$dir/filler"'
    fill
    call_other_end "a full file system, the port file there"
    rm "$dir/filler"
else
    echo "skip a full file system: mounting a small tmpfs needs root"
fi

# Another program truncates the file, or rewrites all 300 of its bytes,
# between ticks: the next tick writes byte 55 alone.
"$watch" idle "$port" 300 15000 || true
: >"$port"
t0=$(now_ms)
if "$watch" wait "$port" 0 20000 && [ "$(size_of)" = 56 ]; then
    pass "a truncated port file: 56 bytes and 0 again $(($(now_ms) - t0)) ms later"
else
    fail "a truncated port file: $(size_of) bytes"
fi
head -c 300 /dev/urandom >"$work/rewrite"
printf '\xee' | dd of="$work/rewrite" bs=1 seek=55 conv=notrunc status=none
cp "$work/rewrite" "$port"
"$watch" wait "$port" 0 20000 || true
if [ "$(size_of)" = 300 ] && ! cmp -l "$work/rewrite" "$port" | awk '$1 != 56' | grep -q .; then
    pass "a port file rewritten whole: the next tick changed byte 55 alone"
else
    fail "a port file rewritten whole: other bytes changed"
fi
# A truncation during a travel takes the code with it: a write that succeeded
# is not made again, and the tick after the travel writes 0 to a new file.
target=$(other_end)
click_floor_button "$target"
"$watch" wait "$port" $((1 << target)) 20000 || true
: >"$port"
sleep 1
echo "  truncated during the travel: the reader sees $(size_of) bytes a second later"
floor=$target
arrive "a port file truncated during the travel"

second_writer "$work"

finish faults
