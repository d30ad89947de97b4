#!/usr/bin/env bash
# What CI runs, inside a fresh Debian root (scripts/fresh-test.sh): the full
# test suite, warnings as errors. Each step says how long it took.
set -euo pipefail
cd "$(dirname "$0")/.."
werror=(CMAKE_FLAGS="-DPELMO_WERROR=ON")
step() {
    local start=$SECONDS
    "$@"
    echo "ci-steps: $* passed in $((SECONDS - start)) s"
}
step make test "${werror[@]}"
# The tests again under AddressSanitizer and UBSan: any report fails the run.
# PELMO_CI_SANITIZE=no leaves them to another root of the same CI run.
if [ "${PELMO_CI_SANITIZE:-yes}" != no ]; then
    step make sanitize "${werror[@]}"
fi
# The Windows program cross-built with mingw-w64: its unit tests under Wine, then
# the exe driven end to end in an X server, its look against the Qt panel's, and
# the Linux panel paired with a Windows reader of the port file.
step make windows-test "${werror[@]}"
# The real program under Xvfb, clicked at random for a minute.
step make soak SOAK_SECONDS=60 "${werror[@]}"
# The Debian package: lintian and the AppStream and desktop validators, then
# installed with apt-get, run from its menu entry's command, clicked, removed.
step make package-test "${werror[@]}"
# The Windows zip, unpacked and its program run under Wine.
step make windows-package-test "${werror[@]}"
