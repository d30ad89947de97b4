#!/usr/bin/env bash
# Checks the Windows zip: it holds pelmo-lift.exe and README.txt side by
# side, the README has Windows line endings and names the version; then the
# unpacked program runs under Wine (a private prefix with Wine's fonts, its
# own Xvfb), shows "  Pelmo  Lift", and a click on the third floor's button
# writes 8 to byte 55 of emu_port.dat in the prefix's Windows temporary
# folder.
#
#   tests/package/windows-zip-test.sh [BUILD_WIN] [BUILD]     (default build-win, build)
#
# BUILD is a Linux build with the tools it clicks and reads with
# (panel-table, port-watch).
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
support=$root/tests/support
. "$support/panel-session.sh" "${2:-$root/build}" "$0" "$@"
build_win=$(cd "${1:-$root/build-win}" && pwd)

zip=$(ls "$build_win"/pelmo-lift-*-windows.zip 2>/dev/null | head -1) || true
[ -n "$zip" ] || { echo "no pelmo-lift-*-windows.zip in $build_win: run make windows-package" >&2; exit 1; }

work=$session_dir
panel_pid=
on_exit 'if [ -n "$panel_pid" ]; then kill "$panel_pid" 2>/dev/null || true; fi'

echo "Checking $zip"
names=$(unzip -Z1 "$zip" | sort | tr '\n' ' ')
if [ "$names" = "README.txt pelmo-lift.exe " ]; then
    pass "the zip holds README.txt and pelmo-lift.exe, side by side"
else
    fail "the zip holds: $names"
fi
unzip -q "$zip" -d "$work/unpacked"
readme=$work/unpacked/README.txt
lines=$(wc -l <"$readme")
crlf=$(grep -c $'\r$' "$readme" || true)
if [ "$lines" -gt 0 ] && [ "$crlf" = "$lines" ] && [ -z "$(tail -c 1 "$readme" | tr -d '\n')" ]; then
    pass "README.txt: all $lines lines end in CR LF"
else
    fail "README.txt: $crlf of $lines lines end in CR LF"
fi
version=$(basename "$zip" | sed 's/^pelmo-lift-\(.*\)-windows\.zip$/\1/')
if grep -q "version $version"$'\r' "$readme" && ! grep -q @ "$readme"; then
    pass "README.txt names version $version"
else
    fail "README.txt does not name version $version, or keeps a placeholder"
fi

# A prefix of its own, apart from the one the tests under Wine use.
. "$support/wine-env.sh" "$build_win" wine-prefix-package
# The panel writes where GetTempPathA points: the prefix's own temporary folder.
port=$(wine_temp_dir)/$port_file_name
rm -f "$port"

(cd "$work/unpacked" && exec wine ./pelmo-lift.exe) >"$work/wine.log" 2>&1 &
panel_pid=$!
window=$(wait_for_window -t 60 --name '^  Pelmo  Lift$' 2>/dev/null) || true
if [ -n "$window" ]; then
    pass "the unpacked program shows its window, \"  Pelmo  Lift\""
else
    sed 's/^/    /' "$work/wine.log"
    fail "no window \"  Pelmo  Lift\" from the unpacked program"
fi

if [ -n "$window" ]; then
    # The window's client area sits inside any frame Wine draws: as wide a
    # border on every side, and the title bar above.
    eval "$(xdotool getwindowgeometry --shell "$window")"
    dx=$(((WIDTH - client_w) / 2))
    dy=$((HEIGHT - client_h - dx))
    origin=($((X + dx)) $((Y + dy)))
    click_control "Command1(9)" # the third floor's call button in the shaft
    expect_port 8 20 "a click on the third floor's button wrote 8 to byte 55 of $port"
fi

finish windows-zip-test
