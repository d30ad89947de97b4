#!/usr/bin/env bash
# Checks the Windows zip: it holds pelmo-lift.exe and README.txt side by
# side, the README has Windows line endings and names the version; then the
# unpacked program runs under Wine (a private prefix, its own Xvfb), shows
# "  Pelmo  Lift", and a click on the third floor's button writes 8 to byte 55
# of emu_port.dat in the prefix's Windows temporary folder.
#
#   tests/package/windows-zip-test.sh [BUILD_DIR]     (default build-win)
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$root/build-win}" && pwd)

if [ -z "${PELMO_ZIP_DISPLAY:-}" ]; then
    export PELMO_ZIP_DISPLAY=1
    exec xvfb-run -a -s "-screen 0 800x600x24 -dpi 96" "$0" "$build"
fi

zip=$(ls "$build"/pelmo-lift-*-windows.zip 2>/dev/null | head -1)
[ -n "$zip" ] || { echo "no pelmo-lift-*-windows.zip in $build: run make windows-package" >&2; exit 1; }

export WINEPREFIX=$build/wine-prefix-package
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
work=$(mktemp -d)
panel_pid=
cleanup() {
    if [ -n "$panel_pid" ]; then kill "$panel_pid" 2>/dev/null || true; fi
    wineserver -k 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

. "$root/tests/support/checks.sh"

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

if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Creating the Wine prefix ..."
    wineboot --init >/dev/null 2>&1 || true
    wineserver --wait
fi
# The panel writes where GetTempPathA points: the prefix's own temporary folder.
temp_dir=$(winepath -u "$(wine cmd /c echo %TEMP% 2>/dev/null | tr -d '\r')" 2>/dev/null)
port_file=$temp_dir/emu_port.dat
rm -f "$port_file"

(cd "$work/unpacked" && exec wine ./pelmo-lift.exe) >"$work/wine.log" 2>&1 &
panel_pid=$!
window=$(timeout 60 xdotool search --sync --onlyvisible --name '^  Pelmo  Lift$' 2>/dev/null |
    head -1) || true
if [ -n "$window" ]; then
    pass "the unpacked program shows its window, \"  Pelmo  Lift\""
else
    sed 's/^/    /' "$work/wine.log"
    fail "no window \"  Pelmo  Lift\" from the unpacked program"
fi

port_byte() { od -An -tu1 -j55 -N1 "$port_file" 2>/dev/null | tr -d ' '; }
if [ -n "$window" ]; then
    # The window's client area (415 x 448) sits inside any frame Wine draws.
    eval "$(xdotool getwindowgeometry --shell "$window")"
    dx=$(((WIDTH - 415) / 2))
    dy=$((HEIGHT - 448 - dx))
    # The third floor's call button in the shaft, Command1(9), in client pixels.
    xdotool mousemove --window "$window" $((376 + dx)) $((168 + dy)) click 1
    expect_byte 8 port_byte 10 "a click on the third floor's button wrote 8 to byte 55 of $port_file"
fi

echo "windows-zip-test: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
