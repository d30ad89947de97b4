#!/usr/bin/env bash
# Installs the Debian package as a user would (apt-get install ./….deb),
# starts the program the menu entry names as a desktop would (no TMPDIR, a
# scratch home with a Wine prefix in it), clicks the third floor's call button
# and reads port 155 where an emulator under Wine would (byte 55 of the port
# file in the prefix's temporary folder), listens to it with Orca, then removes
# the package and checks that none of its files is left. In a Wayland session
# (Debian's weston, an X server beside it as in a desktop's session) the
# installed program must open as a native Wayland window, with only what the
# package brings.
# Changes the machine, so it runs as root only (CI does).
#
#   tests/package/install-test.sh [PKG_BUILD] [BUILD]     (default build-pkg, build)
#
# BUILD is a Linux build with the tools it clicks and reads with
# (panel-table, port-watch).
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
support=$root/tests/support
[ "$(id -u)" -eq 0 ] || { echo "install-test: run as root, it installs a package" >&2; exit 1; }
. "$support/panel-session.sh" "${2:-$root/build}" "$0" "$@"
pkg_build=$(cd "${1:-$root/build-pkg}" && pwd)

deb=$(ls "$pkg_build"/pelmo-lift_*.deb 2>/dev/null | head -1) || true
[ -n "$deb" ] || { echo "no pelmo-lift_*.deb in $pkg_build: run make package" >&2; exit 1; }

work=$session_dir
panel_pid=
on_exit 'if [ -n "$panel_pid" ]; then kill "$panel_pid" 2>/dev/null || true; fi'

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
    finish install-test
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
port=$wine_temp/$port_file_name
env -u TMPDIR -u WINEPREFIX HOME="$home" XDG_RUNTIME_DIR="$tmp" QT_QPA_PLATFORM=xcb \
    PATH=/usr/bin:/bin "$exec_line" >"$work/panel.log" 2>&1 &
panel_pid=$!

window=$(wait_for_window --pid "$panel_pid" 2>/dev/null) || true
if [ -n "$window" ] && [ "$(xdotool getwindowname "$window")" = "  Pelmo  Lift" ]; then
    pass "the installed program shows its window, \"  Pelmo  Lift\""
else
    sed 's/^/    /' "$work/panel.log"
    fail "no window \"  Pelmo  Lift\" from the installed program"
fi

if [ -n "$window" ]; then
    # The third floor's call button in the shaft.
    origin=($(window_origin "$window"))
    click_control "Command1(9)"
    expect_port 8 20 "a click on the third floor's button wrote 8 to byte 55 of $port"
fi
kill "$panel_pid" 2>/dev/null || true
wait "$panel_pid" 2>/dev/null || true
panel_pid=

# The installed program used from the keyboard with the real Orca: a package
# built for an older Qt tells its travels by another route where it runs on
# a newer one.
"$root/scripts/install-packages.sh" orca speech-dispatcher openbox procps at-spi2-core \
    python3-pyatspi dbus-daemon dbus-session-bus-common >"$work/apt.log" 2>&1 ||
    sed 's/^/    /' "$work/apt.log"
if "$root/tests/qt/orca/run-orca-test.sh" /usr/bin/pelmo-lift >"$work/orca.log" 2>&1; then
    pass "Orca speaks each travel of the installed program once, in order"
else
    sed 's/^/    /' "$work/orca.log"
    fail "Orca did not speak the installed program's travels as it should"
fi

"$root/scripts/install-packages.sh" weston >"$work/apt.log" 2>&1 || sed 's/^/    /' "$work/apt.log"
. "$root/tests/wayland/weston-session.sh"
if start_weston headless 1; then
    env -u TMPDIR -u WINEPREFIX -u QT_QPA_PLATFORM HOME="$home" XDG_SESSION_TYPE=wayland \
        QT_LOGGING_RULES=qt.qpa.plugin=true PATH=/usr/bin:/bin "$exec_line" >"$work/wayland.log" 2>&1 &
    panel_pid=$!
    if wait_for_toplevel && grep -qF 'set_title("  Pelmo  Lift")' <<<"$toplevel" &&
        grep -q 'Successfully loaded Qt platform plugin "wayland"' "$work/wayland.log" &&
        [ -z "$(xdotool search --pid "$panel_pid" 2>/dev/null)" ]; then
        pass "in a Wayland session the installed program opens a native Wayland window"
    else
        sed 's/^/    /' "$work/wayland.log"
        fail "in a Wayland session the installed program opened no native window"
    fi
    kill "$panel_pid" 2>/dev/null || true
    wait "$panel_pid" 2>/dev/null || true
    panel_pid=
    stop_weston
else
    fail "weston did not start"
fi

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

finish install-test
