# Sourced, with "$0" "$@", after x-session.sh by the scripts that talk to the
# accessibility bus: runs the script again inside a D-Bus session of its own,
# where the accessibility bus and its registry start when first asked for.
#
#   . tests/support/dbus-session.sh "$0" "$@"

if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ] || [ "${PELMO_DBUS_SESSION:-}" != "$1" ]; then
    export PELMO_DBUS_SESSION=$1
    # The script starts again, with a session folder of its own.
    rm -rf "${session_dir:-}"
    exec dbus-run-session -- "$@"
fi

# Under AddressSanitizer (make sanitize) the xcb platform's keyboard set-up
# reads a name of the X server's reply with strndup, bounded but not ended by
# a NUL; strict string checks take that for an overflow. Not the panel's
# code: the check is relaxed for the programs these scripts start.
if [ -n "${ASAN_OPTIONS:-}" ]; then
    export ASAN_OPTIONS=$ASAN_OPTIONS:strict_string_checks=0
fi
