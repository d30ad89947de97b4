# Sourced first by the scripts that run the panel under Wine, as
#   . wine-session.sh "$0" BUILD BUILD_WIN
# (the script itself, the Linux build, the Windows build): sets $here, $build
# and $build_win, then gives the script its own Xvfb, the Wine prefix and the
# checks.

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build=$(cd "$2" && pwd)
build_win=$(cd "$3" && pwd)
. "$here/x-session.sh" "$1" "$build" "$build_win"
. "$here/wine-env.sh" "$build_win"
. "$here/checks.sh"
