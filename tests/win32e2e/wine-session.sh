# Sourced first by the scripts that run the panel under Wine, as
#   . wine-session.sh "$0" BUILD BUILD_WIN
# (the script itself, the Linux build, the Windows build): sets $here, $build
# and $build_win, then gives the script its own Xvfb, the checks, the port
# byte, the panel's geometry and the Wine prefix (tests/support).

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
support=$here/../support
. "$support/panel-session.sh" "$2" "$@"
build_win=$(cd "$3" && pwd)
. "$support/wine-env.sh" "$build_win"
wine_probe=$build_win/tests/win32e2e/probe/wine-probe.exe
