# Sourced by the scripts that run a panel, Linux or Windows, against port-file
# faults. Each first defines, for its own panel:
#   click_floor_button FLOOR   a click on the call button beside FLOOR
#   cabin_at                   prints the floor the cabin stands at, or where it is
#   panel_alive TEXT           passes or fails: the panel still runs
#   code_during_travel FLOOR MAKE
#                              makes a fault (eval MAKE), clicks FLOOR's call
#                              button and follows the travel; true when a
#                              code reached offset 55
# and sets $port and $floor, where the cabin stands; panel-checks.sh
# come first.

# The other end of the shaft from the cabin.
other_end() { echo $((floor == 0 ? 5 : 0)); }

# arrive TEXT: the travel ended at $floor and the next tick wrote 0.
arrive() {
    local at
    if "$watch" wait "$port" 0 15000 && at=$(cabin_at) && [ "$at" = "$floor" ]; then
        pass "$1: the cabin arrived at floor $floor and the next tick wrote 0"
    else
        fail "$1: the cabin is at ${at:-$(cabin_at)}, byte 55 reads $(port_byte)"
    fi
    panel_alive "$1"
}

# call_other_end TEXT: a call to the other end: its code within a tick, the
# travel, then 0.
call_other_end() {
    local target
    target=$(other_end)
    click_floor_button "$target"
    "$watch" wait "$port" $((1 << target)) 20000 || fail "$1: no code"
    floor=$target
    arrive "$1"
}

# lasting TEXT MAKE UNDO: the fault stays on for the whole travel to the other
# end and a tick after it: no code, the panel runs on, and once the fault is
# undone the next tick writes 0.
lasting() {
    "$watch" idle "$port" 300 15000 || true
    local target
    target=$(other_end)
    if code_during_travel "$target" "$2"; then
        fail "$1 for good: code $((1 << target)) was written"
    else
        pass "$1 for good: no code while it lasted, and the panel ran on"
    fi
    eval "$3"
    floor=$target
    arrive "$1"
}

# second_writer DIR: makes the port file 300 random bytes, has `port-watch
# scribble` rewrite every byte but 55 a thousand times a second through two
# calls, up and down the shaft, then checks that none of its bytes was lost
# and that the panel changes byte 55 alone.
second_writer() {
    local scribbler
    head -c 300 /dev/urandom >"$port"
    "$watch" scribble "$port" >"$1/scribble" &
    scribbler=$!
    call_other_end "a second writer"
    call_other_end "a second writer"
    kill -TERM "$scribbler"
    if wait "$scribbler"; then
        pass "a second writer: $(cat "$1/scribble")"
    else
        fail "a second writer: $(cat "$1/scribble")"
    fi
    cp "$port" "$1/after-scribble"
    sleep 0.3 # a tick or more
    # cmp -l counts bytes from 1: byte 56 is port 155.
    if [ "$(stat -c %s "$port")" = 300 ] &&
        ! cmp -l "$1/after-scribble" "$port" | awk '$1 != 56' | grep -q .; then
        pass "a second writer: the panel changed no byte but 55, the file kept its 300 bytes"
    else
        fail "a second writer: the panel changed other bytes"
    fi
}
