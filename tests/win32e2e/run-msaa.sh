#!/usr/bin/env bash
# pelmo-lift.exe under Wine read by an MSAA client in another process of the
# same prefix (msaa-client.exe): the tree as the panel's own objects give it,
# calls pressed through accDoDefaultAction (up to the third floor, down to
# the ground floor, where the cabin stands, and one during a travel), and
# what each trip tells through an out-of-context WinEvent hook, read as NVDA
# reads a live-region change: the name of the object the event names. Under
# Wine this proves the objects and the events; no screen reader speaks them.
#
#   tests/win32e2e/run-msaa.sh BUILD BUILD_WIN
set -euo pipefail

. "$(dirname "$0")/wine-session.sh" "$0" "$@"
. "$here/wine-panel.sh"

client=$build_win/tests/win32e2e/msaa/msaa-client.exe
need "build first" "$client" "$build_win/pelmo-lift.exe"
mkdir -p "$(wine_temp_dir)"

start_panel
if wine "$client" 2>"$session_dir/client.log" | tr -d '\r' >"$session_dir/client.out"; then
    pass "the MSAA client read the panel and heard each trip in the panel's words, each message once"
else
    fail "the MSAA client: $(grep -c FAIL "$session_dir/client.out" || true) failed checks"
fi
cat "$session_dir/client.out"
grep -v "^[0-9a-f]*:fixme" "$session_dir/client.log" | tail -5 || true
finish
