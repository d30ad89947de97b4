#!/usr/bin/env bash
# The Linux panel heard through the real Orca: a private D-Bus session with the
# accessibility bus, Orca speaking through speech-dispatcher's dummy module,
# openbox to give the window the focus, and orca-trips.py pressing keys with
# xdotool and reading what Orca spoke from its debug log.
# Usage: run-orca-test.sh PELMO-LIFT
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../support/x-session.sh" "$0" "$@"
. "$here/../../support/dbus-session.sh" "$0" "$@"
program=$1

# Orca, speech-dispatcher and the panel keep their settings and files here,
# never in the user's own.
export HOME=$session_dir/home XDG_CONFIG_HOME=$session_dir/config XDG_DATA_HOME=$session_dir/data
export XDG_CACHE_HOME=$session_dir/cache XDG_RUNTIME_DIR=$session_dir/run TMPDIR=$session_dir
mkdir -p "$HOME" "$XDG_CONFIG_HOME/speech-dispatcher" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" \
    "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
# No synthesizer: the dummy module takes the words, and Orca logs each one.
printf 'AddModule "dummy" "sd_dummy" ""\nDefaultModule dummy\n' \
    >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf"
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1

openbox >/dev/null 2>&1 &
on_exit "kill $! 2>/dev/null || true"

# Orca writes its debug log through a buffer of its own; written to a
# terminal, the buffer is flushed at each line. script(1) gives it one and
# copies what comes to the log as it comes.
# Orca will not start beside another Orca of the same user.
if pgrep -u "$(id -u)" -x orca >/dev/null; then
    echo "FAIL another Orca runs for this user; this test starts its own" >&2
    exit 1
fi
log=$session_dir/orca.log
script -qfc "orca --debug-file=/dev/tty" "$log" >/dev/null 2>&1 &
orca_pid=$!
# Ended and waited for, so that the next test's Orca finds none running; an
# Orca still busy saying goodbye after five seconds is killed.
stop_orca() {
    pkill -TERM -P "$orca_pid" 2>/dev/null || true
    for _ in $(seq 50); do
        pgrep -P "$orca_pid" >/dev/null || break
        sleep 0.1
    done
    pkill -KILL -P "$orca_pid" 2>/dev/null || true
    wait "$orca_pid" 2>/dev/null || true
}
on_exit stop_orca

# The panel comes after Orca has started, as it would on a user's desktop.
for _ in $(seq 600); do
    grep -q "SPEECH OUTPUT: 'Screen reader on" "$log" 2>/dev/null && break
    sleep 0.1
done
grep -q "SPEECH OUTPUT: 'Screen reader on" "$log" || { echo "FAIL Orca did not start" >&2; exit 1; }

"$program" &
pid=$!
on_exit "kill $pid 2>/dev/null || true"
window=$(wait_for_window --name "Pelmo")
xdotool windowactivate --sync "$window"

status=0
/usr/bin/python3 "$here/orca-trips.py" "$log" || status=$?
if [ "$status" -ne 0 ] && [ -n "${PELMO_ORCA_LOG:-}" ]; then
    cp "$log" "$PELMO_ORCA_LOG"
fi
exit "$status"
