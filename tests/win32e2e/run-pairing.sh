#!/usr/bin/env bash
# The Linux panel beside a Windows program under Wine, as an emulator under
# Wine would read it: the byte the panel writes is the one a Windows program
# reads at GetTempPathA + "emu_port.dat", offset 55. Three ways to start it:
#
# - with no setup at all: no TMPDIR, no WINEPREFIX, a home folder whose .wine
#   is the prefix;
# - with WINEPREFIX naming the prefix;
# - with TMPDIR at the prefix's temporary folder, as Wine itself reports it.
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

windows_byte() { wine "$wine_probe" port | tr -d '\r'; }

# start_panel NAME=VALUE...: the Linux panel with a clean environment for the
# port file's folder plus the given variables, at the session's display scale;
# the port file is removed first, so that whatever the Windows side reads was
# written by this panel.
panel_pid=
start_panel() {
    rm -f "$temp/$port_file_name"
    env -u TMPDIR -u WINEPREFIX "$@" XDG_RUNTIME_DIR="$session_dir" QT_QPA_PLATFORM=xcb \
        QT_SCALE_FACTOR="$display_ratio" \
        "$build/pelmo-lift" 2>"$session_dir/panel.log" &
    panel_pid=$!
    window=$(wait_for_window --pid "$panel_pid") || { cat "$session_dir/panel.log"; exit 1; }
    origin=($(window_origin "$window"))
}
stop_panel() {
    kill "$panel_pid" 2>/dev/null || true
    wait "$panel_pid" 2>/dev/null || true
    panel_pid=
}
on_exit 'if [ -n "$panel_pid" ]; then kill "$panel_pid" 2>/dev/null || true; fi'

home=$session_dir/home
mkdir -p "$home"
ln -s "$WINEPREFIX" "$home/.wine"
start_panel HOME="$home"
expect_byte 0 windows_byte 10 "no setup (a prefix in HOME): the Windows side reads 0 from the idle panel"
# The byte is 8 only while the cabin travels (3 s): the Windows side watches
# from before the click, so that however long Wine takes to start a program
# it cannot miss it.
wine "$wine_probe" wait 8 20000 >"$session_dir/wait.log" 2>&1 &
waiter=$!
for _ in $(seq 1200); do grep -q ready "$session_dir/wait.log" && break; sleep 0.05; done
click_control "Command1(9)"
if wait "$waiter"; then
    pass "no setup: a call to the third floor reads 8 on the Windows side"
else
    fail "no setup: a call to the third floor reads 8 on the Windows side (read $(tail -1 "$session_dir/wait.log" | tr -d '\r'))"
fi
expect_byte 0 windows_byte 20 "no setup: after the travel the Windows side reads 0 again"
stop_panel

mkdir -p "$session_dir/empty-home"
start_panel HOME="$session_dir/empty-home" WINEPREFIX="$WINEPREFIX"
expect_byte 0 windows_byte 10 "WINEPREFIX: the Windows side reads 0 from the idle panel"
stop_panel

# TMPDIR wins over the prefix in HOME: the way to pair with another prefix.
other=$session_dir/other-temp
mkdir -p "$other"
start_panel HOME="$home" TMPDIR="$temp"
expect_byte 0 windows_byte 10 "TMPDIR: the Windows side reads 0 from the idle panel"
stop_panel
start_panel HOME="$home" TMPDIR="$other"
expect_port 0 10 "TMPDIR at another folder: the panel writes there" "$other/$port_file_name"
seen=$(windows_byte)
if [ "$seen" = none ]; then
    pass "TMPDIR at another folder: the prefix's port file is left alone"
else
    fail "TMPDIR at another folder: the Windows side reads $seen, the prefix was written too"
fi
stop_panel

finish
