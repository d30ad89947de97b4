#!/usr/bin/env bash
# Starts `make run` as a user would, in an X server of its own, and passes
# once the panel's window maps; fails when it has not within the time limit
# (building included) or when `make run` ends first.
#
#   scripts/run-check.sh [SECONDS]     (default 900)
set -euo pipefail

cd "$(dirname "$0")/.."
. tests/support/x-session.sh "$0" "$@"
limit=${1:-900}

# `make run` in a process group of its own, ended with all it started, and a
# port file of its own in the session's folder: an emulator's is never
# touched.
log=$session_dir/run.log
TMPDIR=$session_dir setsid make run >"$log" 2>&1 </dev/null &
run=$!
on_exit 'kill -TERM -- "-$run" 2>/dev/null || true; wait "$run" 2>/dev/null || true'

deadline=$((SECONDS + limit))
while kill -0 "$run" 2>/dev/null && [ "$SECONDS" -lt "$deadline" ]; do
    if window=$(xdotool search --onlyvisible --name "Pelmo  Lift" 2>/dev/null | head -1) &&
        [ -n "$window" ]; then
        echo "ok   make run: the window \"$(xdotool getwindowname "$window")\" mapped after $SECONDS s"
        exit 0
    fi
    sleep 0.5
done
echo "FAIL make run: no window within $limit s, or make run ended; its output:"
tail -40 "$log" | sed 's/^/    /'
exit 1
