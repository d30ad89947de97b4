#!/usr/bin/env bash
# The Linux panel under a real AT-SPI client: a private D-Bus session with the
# accessibility bus, the panel on xcb in an Xvfb, and atspi-client.py reading
# and pressing it. Usage: run-atspi-test.sh PELMO-LIFT
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../support/x-session.sh" "$0" "$@"
program=$1

if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ] || [ "${PELMO_DBUS_SESSION:-}" != 1 ]; then
    export PELMO_DBUS_SESSION=1
    exec dbus-run-session -- "$0" "$@"
fi

# The panel writes its port file here, never where an emulator reads it.
export TMPDIR=$session_dir
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1

# Under AddressSanitizer (make sanitize) the xcb platform's keyboard set-up
# reads a name of the X server's reply with strndup, bounded but not ended by
# a NUL; strict string checks take that for an overflow. Not the panel's
# code: the check is relaxed for this program alone.
if [ -n "${ASAN_OPTIONS:-}" ]; then
    export ASAN_OPTIONS=$ASAN_OPTIONS:strict_string_checks=0
fi
"$program" &
pid=$!
on_exit "kill $pid 2>/dev/null || true"

/usr/bin/python3 "$here/atspi-client.py" "$(basename "$program")"
