#!/usr/bin/env bash
# Installs the Debian package as a user would (apt-get install ./….deb),
# starts the program the menu entry names as a desktop would (no TMPDIR, a
# scratch home with a Wine prefix in it), clicks the third floor's call button
# and reads port 155 where an emulator under Wine would (byte 55 of the port
# file in the prefix's temporary folder), then removes the package and checks
# that none of its files is left.
# Changes the machine, so it runs as root only (CI does).
#
#   tests/package/install-test.sh [BUILD_DIR]     (default build-pkg)
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$root/build-pkg}" && pwd)

if [ -z "${PELMO_INSTALL_DISPLAY:-}" ]; then
    [ "$(id -u)" -eq 0 ] || { echo "install-test: run as root, it installs a package" >&2; exit 1; }
    export PELMO_INSTALL_DISPLAY=1
    exec xvfb-run -a -s "-screen 0 800x600x24 -dpi 96" "$0" "$build"
fi

deb=$(ls "$build"/pelmo-lift_*.deb 2>/dev/null | head -1)
[ -n "$deb" ] || { echo "no pelmo-lift_*.deb in $build: run make package" >&2; exit 1; }

work=$(mktemp -d)
panel_pid=
cleanup() {
    if [ -n "$panel_pid" ]; then kill "$panel_pid" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT

. "$root/tests/support/checks.sh"

apt_get() { # waits for a dpkg lock held by someone else instead of failing
    DEBIAN_FRONTEND=noninteractive apt-get -y -q -o DPkg::Lock::Timeout=600 "$@"
}
installed() { dpkg-query -W -f='${Status}' pelmo-lift 2>/dev/null | grep -q 'install ok installed'; }

if dpkg-query -W pelmo-lift >/dev/null 2>&1; then
    echo "Removing the pelmo-lift already on this machine first"
    apt_get purge pelmo-lift >/dev/null
fi

# apt reads a local package as its own unprivileged user: give it a copy it can reach.
mkdir -p "$work/deb"
chmod 755 "$work" "$work/deb"
cp "$deb" "$work/deb/"
local_deb=$work/deb/$(basename "$deb")
chmod 644 "$local_deb"

echo "apt-get install $local_deb"
if apt_get install "$local_deb" >"$work/apt.log" 2>&1 && installed; then
    pass "apt-get installed the package"
else
    sed 's/^/    /' "$work/apt.log"
    fail "apt-get did not install the package"
    echo "install-test: $passed passed, $failed failed"
    exit 1
fi
dpkg -L pelmo-lift >"$work/files"

# The command line of the menu entry, as a desktop runs it.
entry=/usr/share/applications/org.example.PelmoLift.desktop
exec_line=$(sed -n 's/^Exec=//p' "$entry")
program=$(PATH=/usr/local/bin:/usr/bin:/bin command -v "$exec_line" || true)
if [ "$program" = /usr/bin/pelmo-lift ]; then
    pass "the menu entry's Exec=$exec_line is /usr/bin/pelmo-lift"
else
    fail "the menu entry's Exec=$exec_line runs '${program:-nothing}'"
fi

# A prefix laid out as Wine 8 makes it; the panel must find it by itself.
tmp=$work/tmp
home=$work/home
wine_temp=$home/.wine/drive_c/users/$(id -un)/Temp
mkdir -p "$tmp" "$wine_temp"
port_file=$wine_temp/emu_port.dat
env -u TMPDIR -u WINEPREFIX HOME="$home" XDG_RUNTIME_DIR="$tmp" QT_QPA_PLATFORM=xcb \
    PATH=/usr/bin:/bin "$exec_line" >"$work/panel.log" 2>&1 &
panel_pid=$!

window=$(timeout 10 xdotool search --sync --onlyvisible --pid "$panel_pid" 2>/dev/null | head -1) ||
    true
if [ -n "$window" ] && [ "$(xdotool getwindowname "$window")" = "  Pelmo  Lift" ]; then
    pass "the installed program shows its window, \"  Pelmo  Lift\""
else
    sed 's/^/    /' "$work/panel.log"
    fail "no window \"  Pelmo  Lift\" from the installed program"
fi

port_byte() { od -An -tu1 -j55 -N1 "$port_file" 2>/dev/null | tr -d ' '; }
if [ -n "$window" ]; then
    # The third floor's call button in the shaft, Command1(9), in window pixels.
    xdotool mousemove --window "$window" 376 168 click 1
    expect_byte 8 port_byte 5 "a click on the third floor's button wrote 8 to byte 55 of $port_file"
fi
kill "$panel_pid" 2>/dev/null || true
wait "$panel_pid" 2>/dev/null || true
panel_pid=

apt_get purge pelmo-lift >"$work/apt.log" 2>&1 || sed 's/^/    /' "$work/apt.log"
if ! dpkg-query -W pelmo-lift >/dev/null 2>&1; then
    pass "the package is purged: dpkg knows nothing of it"
else
    fail "dpkg still lists pelmo-lift: $(dpkg-query -W -f='${Status}' pelmo-lift)"
fi
left=()
while read -r f; do
    # Shared folders such as /usr/share/icons stay; the package's own go.
    if [ -f "$f" ] || [ -L "$f" ] || { [ -d "$f" ] && [[ $f == */pelmo-lift ]]; }; then
        left+=("$f")
    fi
done <"$work/files"
if [ ${#left[@]} -eq 0 ]; then
    pass "none of the package's $(wc -l <"$work/files") paths is left"
else
    fail "left behind: ${left[*]}"
fi

echo "install-test: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
