#!/usr/bin/env bash
# Starts `make run` as a user would, in an X server of its own, and passes
# once the panel's window maps; fails when it has not within the time limit
# (building included) or when `make run` ends first.
#
#   scripts/run-check.sh [SECONDS]     (default 900)
set -euo pipefail

limit=${1:-900}
cd "$(dirname "$0")/.."
# A port file of its own: an emulator's is never touched.
port_dir=$(mktemp -d)
trap 'rm -rf "$port_dir"' EXIT

export PORT_DIR=$port_dir LIMIT=$limit
xvfb-run -a -s "-screen 0 800x600x24 -dpi 96" bash -c '
    TMPDIR=$PORT_DIR setsid make run >"$PORT_DIR/run.log" 2>&1 </dev/null &
    run=$!
    stop() { kill -TERM -- "-$run" 2>/dev/null || true; wait "$run" 2>/dev/null || true; }
    trap stop EXIT
    deadline=$((SECONDS + LIMIT))
    while kill -0 "$run" 2>/dev/null && [ "$SECONDS" -lt "$deadline" ]; do
        if window=$(xdotool search --onlyvisible --name "Pelmo  Lift" 2>/dev/null); then
            echo "ok   make run: the window \"$(xdotool getwindowname "${window%%$'\n'*}")\" mapped after ${SECONDS} s"
            exit 0
        fi
        sleep 0.5
    done
    echo "FAIL make run: no window within $LIMIT s; its output:"
    tail -40 "$PORT_DIR/run.log" | sed "s/^/    /"
    exit 1
'
