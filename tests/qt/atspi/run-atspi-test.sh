#!/usr/bin/env bash
# The Linux panel under a real AT-SPI client: a private D-Bus session with the
# accessibility bus, the panel on xcb in an Xvfb, and atspi-client.py reading
# and pressing it. Usage: run-atspi-test.sh PELMO-LIFT
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../support/x-session.sh" "$0" "$@"
. "$here/../../support/dbus-session.sh" "$0" "$@"
program=$1

# The panel writes its port file here, never where an emulator reads it.
export TMPDIR=$session_dir
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
"$program" &
pid=$!
on_exit "kill $pid 2>/dev/null || true"

/usr/bin/python3 "$here/atspi-client.py" "$(basename "$program")"
