# Sourced first by the scripts that drive a panel, as
#   . tests/support/panel-session.sh BUILD "$0" "$@"
# (BUILD: the Linux build, with panel-table and port-watch): runs the script
# in an X server of its own (x-session.sh), sets $build, then gives it the
# checks, the port byte and the panel's geometry.

panel_build=$1
shift
. "$(dirname "${BASH_SOURCE[0]}")/x-session.sh" "$@"
build=$(cd "$panel_build" && pwd)
. "$(dirname "${BASH_SOURCE[0]}")/checks.sh"
. "$(dirname "${BASH_SOURCE[0]}")/port.sh"
. "$(dirname "${BASH_SOURCE[0]}")/geometry.sh"
