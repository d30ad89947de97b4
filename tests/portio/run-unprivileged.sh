#!/usr/bin/env bash
# Runs the port-file cases as a user that file permissions bind: run as root
# (as CI is), the read-only file would be written through and its case
# skipped. Root hands the run to nobody, on a copy of the test program that
# nobody may execute (the build may sit in a folder only root can enter).
#
#   run-unprivileged.sh TEST_PROGRAM
set -euo pipefail

program=$1
# The full file system needs root to mount its tmpfs: the root run has it.
filter='PortFile.*:-PortFile.FullFileSystem*'
# No case may skip itself here: this run exists for the one that would.
export PORTIO_TESTS_NO_SKIP=1

if [[ $(id -u) -eq 0 ]]; then
    copy=$(mktemp -d -p /tmp)
    trap 'rm -rf "$copy"' EXIT
    chmod 755 "$copy"
    install -m 755 "$program" "$copy/"
    output=$(setpriv --reuid=nobody --regid=nogroup --clear-groups \
        env TMPDIR=/tmp HOME=/nonexistent "$copy/$(basename "$program")" \
        --gtest_filter="$filter" 2>&1) || { echo "$output"; exit 1; }
else
    output=$("$program" --gtest_filter="$filter" 2>&1) || { echo "$output"; exit 1; }
fi
echo "$output"
# The case this run is for must have run, not been filtered away.
grep -q '^\[       OK \] PortFile.ReadOnlyFileIsLeftAlone' <<<"$output"
