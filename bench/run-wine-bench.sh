#!/usr/bin/env bash
# The Windows panel measured under Wine beside an empty Win32 window of the
# same size (bare-window.exe), in the same run and the same Wine prefix:
# start-up, memory, idle CPU, a ground-to-fifth travel, and the program's
# size. Prints one table and writes it to bench/RESULTS-wine.md.
#
#   bench/run-wine-bench.sh [BUILD] [BUILD_WIN]     (default build-bench, build-win)
#
# BUILD is a Linux build with -DPELMO_BENCH=ON (map-probe, port-watch,
# panel-table), BUILD_WIN the Windows build. Runs in its own Xvfb and the
# Windows build's own prefix. Nothing here fails on a timing.
set -euo pipefail
# A step that fails says which, since some fail without a word.
trap 'echo "run-wine-bench: failed at line $LINENO: $BASH_COMMAND" >&2' ERR

root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/tests/win32e2e/wine-session.sh" "$0" "${1:-$root/build-bench}" "${2:-$root/build-win}"
. "$here/wine-panel.sh"
. "$root/bench/measure.sh"

runs=${BENCH_WINE_RUNS:-21} # Wine start-ups scatter widely on a busy machine
idle_s=${BENCH_IDLE_S:-20}
panel=$build_win/pelmo-lift.exe
bare=$build_win/bench/win32/bare-window.exe
probe=$build/bench/map-probe
need "build both first" "$panel" "$bare" "$probe" "$wine_probe"

# The prefix's own processes (wineserver, services, the desktop) run before
# the first measurement, as they would on a desktop where Wine is in use.
wine_stop
wineserver -p
port=$(wine_temp_dir)/$port_file_name
work=$session_dir # for launch and stop_launched
probe_pid=
on_exit 'if [ -n "$probe_pid" ]; then kill "$probe_pid" 2>/dev/null || true; fi'

# --- Start-up to mapped -------------------------------------------------------

echo "Start-up under Wine, $runs runs of each ..." >&2
launch wine "$panel" >/dev/null; stop_launched # warm the file cache for both
launch wine "$bare" >/dev/null; stop_launched
: >"$session_dir/start.panel"; : >"$session_dir/start.bare"
for _ in $(seq "$runs"); do
    launch wine "$panel" >>"$session_dir/start.panel"; stop_launched
    launch wine "$bare" >>"$session_dir/start.bare"; stop_launched
done
echo "start-ups, panel: $(tr '\n' ' ' <"$session_dir/start.panel")" >&2
echo "start-ups, empty window: $(tr '\n' ' ' <"$session_dir/start.bare")" >&2
start_panel=$(median <"$session_dir/start.panel")
start_floor=$(median <"$session_dir/start.bare")

# --- A session of each: idle CPU, travels, memory ---------------------------

echo "Idle for ${idle_s} s and ground-to-fifth travels ..." >&2
rm -rf "$port"
launch wine "$panel" >/dev/null
window=$(wait_for_window --name "^${title}\$")
origin=($(wine "$wine_probe" client "$title" | tr -d '\r'))
sleep 2
idle_panel=$(cpu_share_over "$app_pid" "$idle_s")

# One travel with nothing else watching: its CPU, from the code to 0.
click_control "Command1(11)"
travel_cpu "$port"

# Three travels followed move by move: from the code on the port to the
# cabin's arrival, and the longest pause between two moves.
: >"$session_dir/travels"
for _ in 1 2 3; do
    click_control "Command1(6)"
    "$watch" wait "$port" 1 5000 && "$watch" wait "$port" 0 30000 || true
    start_track "${floor_top[5]}" "$session_dir/track"
    click_control "Command1(11)"
    wait "$track_pid" || { echo "the cabin did not reach the fifth floor" >&2; exit 1; }
    tr -d '\r' <"$session_dir/track" | awk '
        $1 == "byte" { start = $2 }
        $1 == "top" { if (n++ > 1 && $2 - t > gap) gap = $2 - t; t = $2 }
        END { printf "%.1f %.1f\n", t - start, gap }' >>"$session_dir/travels"
    "$watch" wait "$port" 0 5000 || true
done
stop_launched
rss_panel=$peak_kb
pace_ms=4800
duration_ms=$(awk -v p="$pace_ms" '{ d = $1 - p; if (d < 0) d = -d; if (NR == 1 || d > w) { w = d; v = $1 } }
    END { print v }' "$session_dir/travels")
gap_ms=$(awk 'NR == 1 || $2 > m { m = $2 } END { print m }' "$session_dir/travels")

launch wine "$bare" >/dev/null
sleep 2
idle_floor=$(cpu_share_over "$app_pid" "$idle_s")
travel_floor=$(cpu_share_over "$app_pid" "$travel_s")
stop_launched
rss_floor=$peak_kb

size_kib() { awk -v b="$(stat -c %s "$1")" 'BEGIN { printf "%.0f", b / 1024 }'; }

# --- The table ---------------------------------------------------------------

table=$(
    echo "| Figure (Windows panel under Wine) | Pelmo Lift | Floor | Ratio | Target | Met |"
    echo "| --- | --- | --- | --- | --- | --- |"
    shared_rows "empty Win32 window"
    row "Size of the program file" "$(size_kib "$panel")" KiB "$(size_kib "$bare")" \
        "empty Win32 window, same toolchain" "≤ 1024 KiB" "value <= 1024"
)

machine="$(nproc) cores, $(awk -F': ' '/model name/ { print $2; exit }' /proc/cpuinfo), $(wine --version), Xvfb, $(date -u +%Y-%m-%d)"
echo
echo "$table"
echo
echo "Measured on: $machine"
{
    echo "# Benchmark results under Wine"
    echo
    echo "Latest run of \`make bench\` (bench/run-wine-bench.sh) on $machine."
    echo
    echo "$table"
} >"$root/bench/RESULTS-wine.md"
echo "Written to bench/RESULTS-wine.md" >&2
