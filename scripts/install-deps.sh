#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the panel need.
set -euo pipefail

packages=(
    cmake make g++ pkg-config
    qt6-base-dev qt6-qpa-plugins
    libgtest-dev libgmock-dev
    libgif-dev
    libwmf-bin
    # libwmf draws text only with these fonts ("failed to load *any* font"
    # otherwise); libwmf-0.2-7 only recommends them.
    fonts-urw-base35
    fonts-wine fonts-liberation2
    xvfb xauth xdotool imagemagick
    # The AT-SPI client test: the accessibility bus and registry, pyatspi,
    # and a private D-Bus session to run them in.
    at-spi2-core python3-pyatspi dbus-daemon dbus-session-bus-common
    # The screen reader test: Orca, the speech service it speaks through
    # (which it only recommends on some releases), a window manager to give
    # the panel the focus, and pgrep/pkill to end Orca.
    orca speech-dispatcher openbox procps
    # A native window on a Wayland desktop (Qt's wayland platform, and the
    # compositor's offer of frames asked with libwayland-client), and the
    # Wayland test's compositor with its capture client.
    qt6-wayland libwayland-dev
    weston
)

exec "$(dirname "$0")/install-packages.sh" "${packages[@]}"
