#!/usr/bin/env bash
# The window moved to a screen of another density: pelmo-lift.exe, started at
# 96 dpi, is told it is now at 192 dpi (WM_DPICHANGED, as Windows sends it
# when the window crosses to another monitor) and back again. Each time its
# client area must show what a fresh start at that density shows, its call
# buttons work at their new places, and a travel under way goes on at its
# pace to the floor's new place. Told it is at 96 dpi where Wine hands out the
# raster face's set for 120 dpi, it must refuse that set and keep its words
# where they belong.
#
#   tests/win32e2e/run-dpichange.sh BUILD BUILD_WIN
#
# The pictures go to BUILD_WIN/look-dpichange/.
export PELMO_X_SCREEN=1700x1300
set -euo pipefail

. "$(dirname "$0")/wine-session.sh" "$0" "$@"
. "$here/wine-panel.sh"

snapshot=$build/tools/snapshot/pelmo-snapshot
out=$build_win/look-dpichange
rm -rf "$out"
mkdir -p "$out"
temp=$(wine_temp_dir)
port=$temp/$port_file_name
mkdir -p "$temp"
rm -rf "$port"

park_pointer() { xdotool mousemove 1690 1290; }
# shot FILE: the client area as it is now.
shot() {
    local o
    o=($(wine "$wine_probe" client "$title" | tr -d '\r'))
    import -window root -crop "${o[2]}x${o[3]}+${o[0]}+${o[1]}" +repage "$1"
}
# same NAME RATIO EXPECTED ACTUAL CABIN_TOP_96
same() {
    if "$panel_table" --ratio "$2" compare "$3" "$4" "$out/diff-$1.png" "$5" >"$out/$1.txt"; then
        pass "$1: $(head -1 "$out/$1.txt")"
    else
        fail "$1: $(head -1 "$out/$1.txt"); see $out"
        tail -n +2 "$out/$1.txt" | grep -v "(chrome)" || true
    fi
}

# A fresh start at 192 dpi, in a prefix of that density.
base_prefix=$WINEPREFIX
export WINEPREFIX=$(wine_dpi_prefix 192)
wine "$build_win/pelmo-lift.exe" 2>/dev/null &
fresh=$!
wait_for_window --name "^${title}\$" >/dev/null
park_pointer
"$watch" wait "$port" 0 20000 || true
sleep 0.5
shot "$out/fresh-192.png"
# The same window told it is at 96 dpi: in this prefix Wine hands out the
# raster face's wider set made for 120 dpi under the same name, which the
# panel must refuse for the outline face, keeping every word in its place.
colours=$(wine "$wine_probe" colours | tr -d '\r')
"$snapshot" --system-colours "$colours" "$out/qt-96.png"
wine "$wine_probe" dpi "$title" 96
park_pointer
sleep 1
shot "$out/wide-set-96.png"
if "$panel_table" --faces-differ compare "$out/qt-96.png" "$out/wide-set-96.png" \
    "$out/diff-wide-set.png" "${floor_top_96[0]}" >"$out/wide-set.txt"; then
    pass "at 96 dpi beside the wider raster set: $(head -1 "$out/wide-set.txt"), $(tail -1 "$out/wide-set.txt")"
else
    fail "at 96 dpi beside the wider raster set: $(head -1 "$out/wide-set.txt"); see $out"
    grep -v "(chrome)" "$out/wide-set.txt" || true
fi
kill "$fresh" 2>/dev/null || true
wine_stop
export WINEPREFIX=$base_prefix

start_panel # at 96 dpi
park_pointer
"$watch" wait "$port" 0 20000 || true
sleep 0.5

wine "$wine_probe" dpi "$title" 192
park_pointer
sleep 1
# The call buttons, the cabin's places and the client area at 192 dpi.
use_ratio 2
origin=($(wine "$wine_probe" client "$title" | tr -d '\r'))
if [ "${origin[2]}x${origin[3]}" = "$client_size" ]; then
    pass "at 192 dpi the client area is $client_size"
else
    fail "at 192 dpi the client area is ${origin[2]}x${origin[3]}, not $client_size"
fi
shot "$out/moved-192.png"
same "moved to 192 dpi against a fresh start there" 2 "$out/fresh-192.png" "$out/moved-192.png" \
    "${floor_top_96[0]}"

cabin2=($(control_rect Picture1))
cabin_top_at() { wine "$wine_probe" top "$title" "${cabin2[0]}" "${cabin2[2]}" "${cabin2[3]}" | tr -d '\r'; }
click_control "Command1(8)"
park_pointer
"$watch" wait "$port" 4 20000 && pass "at 192 dpi Command1(8) writes 4" || fail "at 192 dpi Command1(8) wrote nothing"
"$watch" wait "$port" 0 15000 || true
top=$(cabin_top_at)
[ "$top" = "${floor_top[2]}" ] && pass "the cabin stands at the second floor's place, $top" ||
    fail "the cabin's top is $top, not ${floor_top[2]}"

# A travel under way when the density changes goes on at its pace: from the
# second floor to the fifth, 2.8 s at 900 twips a second.
click_control "Command1(11)"
"$watch" wait "$port" 32 20000 || fail "no call for the fifth floor"
t0=$(($(date +%s%N) / 1000000))
sleep 1
wine "$wine_probe" dpi "$title" 96
use_ratio 1
cabin1=($(control_rect Picture1))
arrived=
for _ in $(seq 150); do
    if [ "$(wine "$wine_probe" top "$title" "${cabin1[0]}" "${cabin1[2]}" "${cabin1[3]}" | tr -d '\r')" = "${floor_top[5]}" ]; then
        arrived=$(($(date +%s%N) / 1000000 - t0))
        break
    fi
    sleep 0.05
done
if [ -n "$arrived" ] && [ "$arrived" -ge $((2800 * 97 / 100)) ]; then
    pass "the travel went on across the change and arrived at the fifth floor after $arrived ms (pace 2800 ms)"
else
    fail "the travel across the change: ${arrived:-did not arrive} (pace 2800 ms)"
fi
"$watch" wait "$port" 0 20000 || true

# ride FLOOR_BUTTONS...: calls each floor in turn, waiting for each travel.
ride() {
    local index
    for index in "$@"; do
        click_control "Command1($index)"
        park_pointer
        "$watch" wait "$port" "$((1 << (index % 6)))" 20000 || true
        "$watch" wait "$port" 0 15000 || true
    done
    sleep 0.5
}

# Back at 96 dpi with the cabin at the ground floor: as a fresh start there
# that made the same travels.
origin=($(wine "$wine_probe" client "$title" | tr -d '\r'))
ride 6
shot "$out/moved-96.png"
kill "$panel_pid" 2>/dev/null || true
wine_stop
start_panel
ride 8 11 6
shot "$out/fresh-96.png"
same "back at 96 dpi against a fresh start there" 1 "$out/fresh-96.png" "$out/moved-96.png" \
    "${floor_top_96[0]}"

finish
