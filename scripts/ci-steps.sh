#!/usr/bin/env bash
# What CI runs, inside a fresh Debian 12 root (scripts/fresh-test.sh): the
# full test suite, warnings as errors.
set -euo pipefail
cd "$(dirname "$0")/.."
make test CMAKE_FLAGS="-DPELMO_WERROR=ON"
# The tests again under AddressSanitizer and UBSan: any report fails the run.
make sanitize CMAKE_FLAGS="-DPELMO_WERROR=ON"
# The Windows program cross-built with mingw-w64: its unit tests under Wine, then
# the exe driven end to end in an X server, its look against the Qt panel's, and
# the Linux panel paired with a Windows reader of the port file.
make windows-test CMAKE_FLAGS="-DPELMO_WERROR=ON"
# The real program under Xvfb, clicked at random for a minute.
make soak SOAK_SECONDS=60 CMAKE_FLAGS="-DPELMO_WERROR=ON"
# The Debian package: lintian and the AppStream and desktop validators, then
# installed with apt-get, run from its menu entry's command, clicked, removed.
make package-test CMAKE_FLAGS="-DPELMO_WERROR=ON"
# The Windows zip, unpacked and its program run under Wine.
make windows-package-test CMAKE_FLAGS="-DPELMO_WERROR=ON"
