#!/usr/bin/env bash
# Everything under Wine in an X server after the unit tests, at 100, 125, 150
# and 200 %: the exe end to end, against port-file faults, its look against
# the Qt panel's, the pairing of the Linux panel with a Windows reader, and an
# accessibility client; then the window moved between densities.
# Runs them all and fails if any failed.
#
#   tests/win32e2e/run-all.sh BUILD BUILD_WIN
set -uo pipefail

here=$(cd "$(dirname "$0")" && pwd)
failed=()
for dpi in 96 120 144 192; do
    for test in run-e2e run-faults run-look run-pairing run-msaa; do
        echo "=== $test at $dpi dpi"
        PELMO_DPI=$dpi "$here/$test.sh" "$@" || failed+=("$test@$dpi")
    done
done
echo "=== run-dpichange"
"$here/run-dpichange.sh" "$@" || failed+=(run-dpichange)
if [ ${#failed[@]} -gt 0 ]; then
    echo "failed: ${failed[*]}"
    exit 1
fi
echo "all passed"
