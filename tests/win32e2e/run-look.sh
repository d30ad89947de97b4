#!/usr/bin/env bash
# One look: pelmo-lift.exe under Wine against the Qt panel, pixel for pixel,
# at start-up and after a travel to the third floor. The Qt side is rendered
# with the five system colours the exe gets from GetSysColor in this prefix,
# so only what each platform draws its own way may differ: button bevels,
# focus marks, the edit box's edge. Every label must agree exactly.
#
#   tests/win32e2e/run-look.sh BUILD BUILD_WIN
#
# PELMO_DPI=120 (144, 192...) compares at that display scale, against the Qt
# panel at the same device pixel ratio; there the two faces differ, and the
# words of the labels are compared by their places (see panel-table).
#
# The pictures and, on a difference, a difference picture are written to
# BUILD_WIN/look/.
set -euo pipefail

. "$(dirname "$0")/wine-session.sh" "$0" "$@"
. "$here/wine-panel.sh"

snapshot=$build/tools/snapshot/pelmo-snapshot
look=$build_win/look${PELMO_DPI:+-$PELMO_DPI}
rm -rf "$look"
mkdir -p "$look"

colours=$(wine "$wine_probe" colours | tr -d '\r')
echo "system colours 0, 5, 8, 15, 18 in this prefix: $colours"
qt_snapshot --system-colours "$colours" "$look/qt-start.png"
qt_snapshot --system-colours "$colours" "$look/qt-floor3.png" 3

temp=$(wine_temp_dir)
port=$temp/$port_file_name
mkdir -p "$temp"
rm -rf "$port"

# compare_look NAME CABIN_TOP: $look/qt-NAME.png against $look/wine-NAME.png.
compare_look() {
    if "$panel_table" --ratio "$display_ratio" compare "$look/qt-$1.png" "$look/wine-$1.png" "$look/diff-$1.png" "$2" \
        >"$look/$1.txt"; then
        pass "$1: $(head -1 "$look/$1.txt"), the rest control chrome"
        tail -n +2 "$look/$1.txt"
    else
        fail "$1: $(head -1 "$look/$1.txt"); see $look"
        tail -n +2 "$look/$1.txt"
    fi
}

# Away from every control, so no button shows the pointer over it.
park_pointer() { xdotool mousemove "$(scaled 790)" "$(scaled 590)"; }

start_panel
park_pointer
"$watch" wait "$port" 0 20000 || fail "the idle panel does not write 0 to $port"
sleep 0.3
client_shot "$look/wine-start.png"
compare_look start "${floor_top_96[0]}"

click_control "Command1(9)"
park_pointer
"$watch" wait "$port" 8 20000 || fail "no call for the third floor"
"$watch" wait "$port" 0 15000 || fail "the travel did not end"
sleep 0.3
client_shot "$look/wine-floor3.png"
compare_look floor3 "${floor_top_96[3]}"

finish
