#!/usr/bin/env bash
# The Linux panel beside a Windows program under Wine: started with TMPDIR at
# the Wine prefix's temporary folder (as Wine itself reports it), the panel
# writes the byte that a Windows program reads at GetTempPathA +
# "emu_port.dat", offset 55, as an emulator under Wine would.
#
#   tests/win32e2e/run-pairing.sh BUILD BUILD_WIN
set -euo pipefail

. "$(dirname "$0")/wine-session.sh" "$0" "$@"

temp=$(wine_temp_dir)
[ -d "$temp" ] || { echo "FAIL Wine reports no temporary folder ($temp)"; exit 1; }
windows_temp=$(wine "$wine_probe" temp | tr -d '\r')
if [ "$(readlink -f "$(winepath -u "$windows_temp")")" = "$temp" ]; then
    pass "GetTempPathA ($windows_temp) is the folder of %TEMP%: $temp"
else
    fail "GetTempPathA reports $windows_temp, %TEMP% is $temp"
fi
rm -f "$temp/emu_port.dat"

TMPDIR=$temp XDG_RUNTIME_DIR=$session_dir QT_QPA_PLATFORM=xcb "$build/pelmo-lift" \
    2>"$session_dir/panel.log" &
panel_pid=$!
on_exit "kill $panel_pid 2>/dev/null || true"
window=$(wait_for_window --pid "$panel_pid") || { cat "$session_dir/panel.log"; exit 1; }
origin=($(xdotool getwindowgeometry --shell "$window" | awk -F= '/^[XY]=/ { print $2 }'))

windows_byte() { wine "$wine_probe" port | tr -d '\r'; }

expect_byte 0 windows_byte 10 "the Windows side reads 0 from the idle panel"
click_control "Command1(9)"
expect_byte 8 windows_byte 10 "a call to the third floor reads 8 on the Windows side"
expect_byte 0 windows_byte 20 "after the travel the Windows side reads 0 again"

finish
