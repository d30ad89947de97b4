#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the panel need.
set -euo pipefail

packages=(
    cmake make g++ pkg-config
    qt6-base-dev qt6-qpa-plugins
    libgtest-dev libgmock-dev
    libgif-dev
    libwmf-bin
    fonts-wine fonts-liberation2
    xvfb xauth xdotool imagemagick
)

exec "$(dirname "$0")/install-packages.sh" "${packages[@]}"
