#!/usr/bin/env bash
# Starts `make run` as a user would, in an X server of its own, and passes
# once the panel's window maps; fails when it has not within the time limit
# (building included) or when `make run` ends first.
#
#   scripts/run-check.sh [SECONDS]     (default 900)
set -euo pipefail

limit=${1:-900}
cd "$(dirname "$0")/.."

if [ -z "${PELMO_RUN_CHECK_DIR:-}" ]; then
    # A port file of its own: an emulator's is never touched.
    PELMO_RUN_CHECK_DIR=$(mktemp -d)
    export PELMO_RUN_CHECK_DIR
    trap 'rm -rf "$PELMO_RUN_CHECK_DIR"' EXIT
    xvfb-run -a -s "-screen 0 800x600x24 -dpi 96" "$0" "$limit"
    exit
fi

# In the X server: `make run` in a session of its own, ended with all it
# started.
log=$PELMO_RUN_CHECK_DIR/run.log
TMPDIR=$PELMO_RUN_CHECK_DIR setsid make run >"$log" 2>&1 </dev/null &
run=$!
stop() {
    kill -TERM -- "-$run" 2>/dev/null || true
    wait "$run" 2>/dev/null || true
}
trap stop EXIT

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
