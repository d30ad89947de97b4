#!/usr/bin/env bash
# Measures the panel side by side with its floors and prints one table with
# every figure, its floor and the ratio; writes the same table to RESULTS.md.
#
#   bench/run-bench.sh [BUILD_DIR]     (default build-bench, built with PELMO_BENCH=ON)
#
# Runs in its own Xvfb and its own temporary directory: the port file of an
# emulator on this machine is never touched. Nothing here fails on a timing.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build-bench}" && pwd)

if [ -z "${PELMO_BENCH_DISPLAY:-}" ]; then
    export PELMO_BENCH_DISPLAY=1
    # -noreset: the server must not restart when its last client leaves between runs.
    exec xvfb-run -a -s "-screen 0 800x600x24 -dpi 96 -noreset" "$0" "$build"
fi

runs=${BENCH_RUNS:-11}   # start-ups of each program; the median counts
idle_s=${BENCH_IDLE_S:-20}
panel=$build/pelmo-lift
floor=$build/bench/minimal-window
probe=$build/bench/map-probe
watch=$build/soak/port-watch
stages=$build/bench/startup-stages
for tool in "$panel" "$floor" "$probe" "$watch" "$build/bench/travel-harness" \
    "$build/bench/writeport-bench" "$stages"; do
    [ -x "$tool" ] || { echo "missing $tool: build with -DPELMO_BENCH=ON" >&2; exit 1; }
done

work=$(mktemp -d)
export TMPDIR=$work XDG_RUNTIME_DIR=$work QT_QPA_PLATFORM=xcb
port_file=$work/emu_port.dat
probe_pid=
cleanup() {
    [ -n "$probe_pid" ] && kill "$probe_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# --- helpers ----------------------------------------------------------------

. "$root/bench/measure.sh"

# --- 1. WritePort against a bare open / pwrite / close ----------------------

echo "WritePort against open/pwrite/close ..." >&2
"$build/bench/writeport-bench" --benchmark_repetitions=10 --benchmark_report_aggregates_only=true \
    --benchmark_format=csv 2>/dev/null >"$work/writeport.csv"
bench_ns() { awk -F, -v n="\"$1_median\"" '$1 == n { print $3 }' "$work/writeport.csv"; }
write_port=$(bench_ns WritePortCall)
write_floor=$(bench_ns BareOpenPwriteClose)

# --- 2. Start-up: process start to window mapped -----------------------------

echo "Start-up, $runs runs of each ..." >&2
launch "$panel" >/dev/null; finish # warm the file cache for both
launch "$floor" >/dev/null; finish
: >"$work/start.panel"; : >"$work/start.floor"
for _ in $(seq "$runs"); do
    launch "$panel" >>"$work/start.panel"; finish
    launch "$floor" >>"$work/start.floor"; finish
done
start_panel=$(median <"$work/start.panel")
start_floor=$(median <"$work/start.floor")

# --- 2b. Where the start-up goes, stage by stage -------------------------------

echo "Start-up stages, $runs runs of each ..." >&2
: >"$work/stages"
for i in $(seq 0 "$runs"); do # run 0 warms the cache and is not counted
    for variant in panel --minimal --minimal-text; do
        if [ "$variant" = panel ]; then out=$("$stages"); else out=$("$stages" "$variant"); fi
        [ "$i" -eq 0 ] || echo "$out" | awk -v v="$variant" '$1 == "stage_ms" { print v, $2, $3 }' >>"$work/stages"
    done
done
stage_median() { # variant stage; a dash for a stage the variant does not have
    local values
    values=$(awk -v v="$1" -v s="$2" '$1 == v && $2 == s { print $3 }' "$work/stages")
    if [ -n "$values" ]; then echo "$values" | median; else echo "–"; fi
}
stage_table=$(
    echo "| Stage, ms from process start (median of $runs) | Pelmo Lift | Minimal Qt window | Minimal Qt window with one line of text |"
    echo "| --- | --- | --- | --- |"
    for stage in main:"program and libraries loaded, \`main\` entered" \
        application:"\`QApplication\` built (X connection, platform plugin)" \
        font_registered:"window face registered (fontconfig starts)" \
        window_built:"window built (controls, pictures, icon)" \
        shown:"\`show()\` returned" first_paint_done:"first complete paint"; do
        echo "| ${stage#*:} | $(stage_median panel "${stage%%:*}") | $(stage_median --minimal "${stage%%:*}") | $(stage_median --minimal-text "${stage%%:*}") |"
    done
)

# --- 3. A session of each: idle CPU, a travel, peak memory -------------------

echo "Idle for ${idle_s} s and a ground-to-fifth travel ..." >&2
rm -f "$port_file"
launch "$panel" >/dev/null
sleep 2
idle_panel=$(cpu_share_over "$app_pid" "$idle_s")
window=$(xdotool search --onlyvisible --pid "$app_pid" | head -1)
xdotool mousemove --window "$window" 376 56 click 1 # Command1(11), the fifth floor's call
"$watch" wait "$port_file" 32 5000 || { echo "the travel did not start" >&2; exit 1; }
c0=$(cpu_ns "$app_pid"); t0=$(now_ns)
"$watch" wait "$port_file" 0 30000 || { echo "the travel did not end" >&2; exit 1; }
c1=$(cpu_ns "$app_pid"); t1=$(now_ns)
travel_s=$(awk -v t="$((t1 - t0))" 'BEGIN { printf "%.3f\n", t / 1e9 }')
travel_panel=$(awk -v c="$((c1 - c0))" -v t="$((t1 - t0))" 'BEGIN { printf "%.3f\n", 100 * c / t }')
finish
rss_panel=$peak_kb

launch "$floor" >/dev/null
sleep 2
idle_floor=$(cpu_share_over "$app_pid" "$idle_s")
travel_floor=$(cpu_share_over "$app_pid" "$travel_s")
finish
rss_floor=$peak_kb

# --- 4. The travel as the panel's own code sees it ---------------------------

echo "Travel harness, 3 travels ..." >&2
: >"$work/harness"
for _ in 1 2 3; do
    "$build/bench/travel-harness" >>"$work/harness"
done
harness_max() { awk -v k="$1" '$1 == k && (n++ == 0 || $2 > m) { m = $2 } END { print m }' "$work/harness"; }
pace_ms=$(harness_max pace_ms)
# The run furthest from the pace, either way.
duration_ms=$(awk -v p="$pace_ms" '$1 == "duration_ms" { d = $2 - p; if (d < 0) d = -d;
    if (n++ == 0 || d > w) { w = d; v = $2 } } END { print v }' "$work/harness")
gap_ms=$(harness_max longest_gap_ms)
pixel_ms=$(awk 'BEGIN { printf "%.2f\n", 15 * 1000 / 900 }') # one pixel at the pace

# --- The table ---------------------------------------------------------------

table=$(
    echo "| Figure | Pelmo Lift | Floor | Ratio | Target | Met |"
    echo "| --- | --- | --- | --- | --- | --- |"
    row "WritePort, one call" "$(awk -v x="$write_port" 'BEGIN { printf "%.2f", x / 1000 }')" µs \
        "$(awk -v x="$write_floor" 'BEGIN { printf "%.2f", x / 1000 }')" "bare open/pwrite/close" \
        "≤ 1.5 × floor" "ratio <= 1.5"
    row "Start-up to window mapped (median of $runs)" "$start_panel" ms "$start_floor" \
        "minimal Qt window" "≤ 1.3 × floor" "ratio <= 1.3"
    row "Peak resident memory" "$(awk -v x="$rss_panel" 'BEGIN { printf "%.1f", x / 1024 }')" MiB \
        "$(awk -v x="$rss_floor" 'BEGIN { printf "%.1f", x / 1024 }')" "minimal Qt window" \
        "≤ 1.3 × floor" "ratio <= 1.3"
    row "CPU idle, ${idle_s} s at ten ticks a second" "$idle_panel" "%" "$idle_floor" \
        "minimal Qt window" "≤ 0.5 % of a core" "value <= 0.5"
    row "CPU during a ground-to-fifth travel (${travel_s} s)" "$travel_panel" "%" "$travel_floor" \
        "minimal Qt window, same span" "≤ 5 % of a core" "value <= 5"
    row "Travel duration, ground to fifth (worst of 3)" "$duration_ms" ms "$pace_ms" \
        "900 twips/s" "within 3 % of pace" "dev <= 3"
    row "Longest gap between cabin moves (worst of 3)" "$gap_ms" ms "$pixel_ms" \
        "one pixel at the pace" "≤ 50 ms" "value <= 50"
)

machine="$(nproc) cores, $(awk -F': ' '/model name/ { print $2; exit }' /proc/cpuinfo), Xvfb, $(date -u +%Y-%m-%d)"
echo
echo "$table"
echo
echo "$stage_table"
echo
echo "Measured on: $machine"
{
    echo "# Benchmark results"
    echo
    echo "Latest run of \`make bench\` on $machine."
    echo
    echo "$table"
    echo
    echo "Where the start-up goes:"
    echo
    echo "$stage_table"
} >"$root/bench/RESULTS.md"
echo "Written to bench/RESULTS.md" >&2
