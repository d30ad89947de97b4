#!/usr/bin/env bash
# pelmo-lift.exe under Wine with a port file that another program gets in the
# way of: held open with no sharing, or a directory in its place, over the
# tick that carries a call (the code must reach offset 55 before the cabin
# arrives) or for good (the panel runs on), and a second program writing its
# own ports a thousand times a second, every byte of which must survive.
# Prints how long after each fault lifted the code appeared.
#
#   tests/win32e2e/run-faults.sh BUILD BUILD_WIN
set -euo pipefail

. "$(dirname "$0")/wine-session.sh" "$0" "$@"
. "$here/wine-panel.sh"
. "$here/../support/port-faults.sh"

need "build first" "$build_win/pelmo-lift.exe" "$(command -v openbox)"

temp=$(wine_temp_dir)
port=$temp/$port_file_name
mkdir -p "$temp"
rm -rf "$port"

openbox --sm-disable >/dev/null 2>&1 &
on_exit "kill $! 2>/dev/null || true"
sleep 0.5
start_panel
"$watch" wait "$port" 0 10000 || fail "the idle panel does not write 0"
floor=0

click_floor_button() { click_control "Command1($(($1 + 6)))"; }
cabin_at() {
    local top f
    top=$(cabin_top)
    for f in 0 1 2 3 4 5; do
        [ "$top" = "${floor_top[$f]}" ] && { echo "$f"; return; }
    done
    echo "between (top at $top)"
}
panel_alive() { alive "$1"; }

# Another program holds the file with no sharing for $1 ms; "wait_hold"
# waits until it has let go.
start_hold() {
    rm -f "$session_dir/hold" # not to find the last hold's word
    wine "$wine_probe" hold "$1" 1500 >"$session_dir/hold" &
    hold_pid=$!
    for _ in $(seq 200); do
        grep -q held "$session_dir/hold" 2>/dev/null && return 0
        sleep 0.05
    done
    fail "the probe could not hold the port file"
}
wait_hold() { wait "$hold_pid" || true; }
# The hold was no test unless the call's tick fell within it.
held_over_the_tick() {
    tr -d '\r' <"$session_dir/hold" | sed 's/^/    probe: /'
    if grep -q '^released 0' "$session_dir/hold"; then
        pass "the hold covered the call's tick: byte 55 still 0 when it let go"
    else
        fail "the call's tick came before the hold: $(tr -d '\r' <"$session_dir/hold" | tr '\n' ' ')"
    fi
}

# during_travel TEXT MAKE UNDO SECONDS: the fault is on over the tick that
# takes up a call from one end of the shaft to the other (4.8 s), and lifts
# SECONDS later; prints the probe's view of the travel on success.
during_travel() {
    "$watch" idle "$port" 300 15000 || true
    local target code t0 waiter
    target=$(other_end)
    code=$((1 << target))
    start_track "${floor_top[$target]}" "$session_dir/track"
    eval "$2"
    click_floor_button "$target"
    sleep "$4"
    "$watch" wait "$port" "$code" 10000 &
    waiter=$!
    eval "$3"
    t0=$(now_ms)
    wait "$waiter" && lifted="$(($(now_ms) - t0)) ms" || lifted=never
    if [ "$3" = wait_hold ]; then # the holder itself times it from letting go
        lifted=$(tr -d '\r' <"$session_dir/hold" | awk '$1 == "code" { print $3 " ms" }')
        lifted=${lifted:-never}
    fi
    wait "$track_pid" || true
    # The probe notes when byte 55 first turns non-zero and every move.
    if tr -d '\r' <"$session_dir/track" |
        awk '$1 == "byte" { byte = $2 } $1 == "top" { last = $2 } END { exit !(byte && byte < last) }'; then
        pass "$1: code $code at offset 55 before the cabin arrived, $lifted after the fault lifted"
    else
        fail "$1: the code did not reach the file during the travel ($lifted after the fault lifted)"
    fi
    floor=$target
    arrive "$1"
}

# The probe follows the travel and notes any byte 55 that is not 0.
code_during_travel() {
    start_track "${floor_top[$1]}" "$session_dir/track"
    eval "$2"
    click_floor_button "$1"
    wait "$track_pid" || true
    sleep 0.3
    tr -d '\r' <"$session_dir/track" | grep -q '^byte'
}


during_travel "the port file held with no sharing for 0.7 s" 'start_hold 700' 'wait_hold' 0
held_over_the_tick
lasting "the port file held with no sharing" 'start_hold 7000' 'wait_hold'
held_over_the_tick

during_travel "a directory in the port file's place for 0.4 s" port_dir_in_place \
    'rmdir "$port"' 0.4
lasting "a directory in the port file's place" port_dir_in_place 'rmdir "$port"'

second_writer "$session_dir"

finish
