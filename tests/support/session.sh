# Sourced by the scripts that start programs or change files: a private
# folder ($session_dir) and a list of things to undo when the script ends,
# however it ends, the last added undone first.
#
#   on_exit 'kill "$pid" 2>/dev/null || true'
#   forget_last_exit     # once the script has undone the last one itself

session_dir=$(mktemp -d)
session_undo=()
on_exit() { session_undo+=("$1"); }
forget_last_exit() { unset 'session_undo[${#session_undo[@]}-1]'; }
session_end() {
    local i
    for ((i = ${#session_undo[@]} - 1; i >= 0; i--)); do eval "${session_undo[$i]}" || true; done
    rm -rf "$session_dir"
}
trap session_end EXIT
