#!/usr/bin/env bash
# Everything under Wine in an X server after the unit tests: the exe end to
# end, against port-file faults, its look against the Qt panel's, and the
# pairing of the Linux panel with a Windows reader. Runs all three and fails if any failed.
#
#   tests/win32e2e/run-all.sh BUILD BUILD_WIN
set -uo pipefail

here=$(cd "$(dirname "$0")" && pwd)
failed=()
for test in run-e2e run-faults run-look run-pairing; do
    echo "=== $test"
    "$here/$test.sh" "$@" || failed+=("$test")
done
if [ ${#failed[@]} -gt 0 ]; then
    echo "failed: ${failed[*]}"
    exit 1
fi
echo "all passed"
