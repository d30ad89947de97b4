#!/usr/bin/env bash
# Cross-builds the Windows program and its tests and runs the tests under
# Wine, in a Wine prefix of the build's own.
#
#   scripts/run-windows-tests.sh [BUILD_DIR] [CMAKE_ARGS...]     (default build-win)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-win}
shift || true

cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
cmake --build "$build" -j "$(nproc 2>/dev/null || echo 2)"

# Wine must not open windows on the user's screen or offer to download
# add-ons: the window tests get an X server of their own below.
unset DISPLAY
# The build's own prefix, with Wine's fonts: see wine-env.sh.
. "$root/tests/support/wine-env.sh" "$build"

cd "$build"
xvfb-run -a -s "-screen 0 800x600x24 -dpi 96" ctest --output-on-failure
