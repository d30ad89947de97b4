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

root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/tests/win32e2e/wine-session.sh" "$0" "${1:-$root/build-bench}" "${2:-$root/build-win}"
. "$here/wine-panel.sh"
. "$root/bench/measure.sh"

runs=${BENCH_WINE_RUNS:-21} # Wine start-ups scatter widely on a busy machine
idle_s=${BENCH_IDLE_S:-20}
panel=$build_win/pelmo-lift.exe
bare=$build_win/bench/win32/bare-window.exe
probe=$build/bench/map-probe
watch=$build/soak/port-watch
for tool in "$panel" "$bare" "$probe" "$watch" "$wine_probe"; do
    [ -e "$tool" ] || { echo "missing $tool: build both first" >&2; exit 1; }
done

# The prefix's own processes (wineserver, services, the desktop) run before
# the first measurement, as they would on a desktop where Wine is in use.
wine_stop
wineserver -p
port=$(wine_temp_dir)/emu_port.dat
work=$session_dir # for launch and finish
probe_pid=
on_exit 'if [ -n "$probe_pid" ]; then kill "$probe_pid" 2>/dev/null || true; fi'

# --- Start-up to mapped -------------------------------------------------------

echo "Start-up under Wine, $runs runs of each ..." >&2
launch wine "$panel" >/dev/null; finish # warm the file cache for both
launch wine "$bare" >/dev/null; finish
: >"$session_dir/start.panel"; : >"$session_dir/start.bare"
for _ in $(seq "$runs"); do
    launch wine "$panel" >>"$session_dir/start.panel"; finish
    launch wine "$bare" >>"$session_dir/start.bare"; finish
done
echo "start-ups, panel: $(tr '\n' ' ' <"$session_dir/start.panel")" >&2
echo "start-ups, empty window: $(tr '\n' ' ' <"$session_dir/start.bare")" >&2
start_panel_ms=$(median <"$session_dir/start.panel")
start_bare_ms=$(median <"$session_dir/start.bare")

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
"$watch" wait "$port" 32 5000 || { echo "the travel did not start" >&2; exit 1; }
c0=$(cpu_ns "$app_pid"); t0=$(now_ns)
"$watch" wait "$port" 0 30000 || { echo "the travel did not end" >&2; exit 1; }
c1=$(cpu_ns "$app_pid"); t1=$(now_ns)
travel_s=$(awk -v t="$((t1 - t0))" 'BEGIN { printf "%.3f\n", t / 1e9 }')
travel_cpu=$(awk -v c="$((c1 - c0))" -v t="$((t1 - t0))" 'BEGIN { printf "%.3f\n", 100 * c / t }')

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
finish
rss_panel=$peak_kb
pace_ms=4800
duration_ms=$(awk -v p="$pace_ms" '{ d = $1 - p; if (d < 0) d = -d; if (NR == 1 || d > w) { w = d; v = $1 } }
    END { print v }' "$session_dir/travels")
gap_ms=$(awk 'NR == 1 || $2 > m { m = $2 } END { print m }' "$session_dir/travels")
pixel_ms=$(awk 'BEGIN { printf "%.2f\n", 15 * 1000 / 900 }')

launch wine "$bare" >/dev/null
sleep 2
idle_bare=$(cpu_share_over "$app_pid" "$idle_s")
travel_bare=$(cpu_share_over "$app_pid" "$travel_s")
finish
rss_bare=$peak_kb

size_kib() { awk -v b="$(stat -c %s "$1")" 'BEGIN { printf "%.0f", b / 1024 }'; }

# --- The table ---------------------------------------------------------------

table=$(
    echo "| Figure (Windows panel under Wine) | Pelmo Lift | Floor | Ratio | Target | Met |"
    echo "| --- | --- | --- | --- | --- | --- |"
    row "Start-up to window mapped (median of $runs)" "$start_panel_ms" ms "$start_bare_ms" \
        "empty Win32 window" "≤ 1.3 × floor" "ratio <= 1.3"
    row "Peak resident memory" "$(awk -v x="$rss_panel" 'BEGIN { printf "%.1f", x / 1024 }')" MiB \
        "$(awk -v x="$rss_bare" 'BEGIN { printf "%.1f", x / 1024 }')" "empty Win32 window" \
        "≤ 1.3 × floor" "ratio <= 1.3"
    row "CPU idle, ${idle_s} s at ten ticks a second" "$idle_panel" "%" "$idle_bare" \
        "empty Win32 window" "≤ 0.5 % of a core" "value <= 0.5"
    row "CPU during a ground-to-fifth travel (${travel_s} s)" "$travel_cpu" "%" "$travel_bare" \
        "empty Win32 window, same span" "≤ 5 % of a core" "value <= 5"
    row "Travel duration, ground to fifth (worst of 3)" "$duration_ms" ms "$pace_ms" \
        "900 twips/s" "within 3 % of pace" "dev <= 3"
    row "Longest gap between cabin moves (worst of 3)" "$gap_ms" ms "$pixel_ms" \
        "one pixel at the pace" "≤ 50 ms" "value <= 50"
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
