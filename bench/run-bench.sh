#!/usr/bin/env bash
# Measures the panel side by side with its floors and prints one table with
# every figure, its floor and the ratio; writes the same table to RESULTS.md.
#
#   bench/run-bench.sh [BUILD_DIR]     (default build-bench, built with PELMO_BENCH=ON)
#
# Runs in its own Xvfb and its own temporary directory: the port file of an
# emulator on this machine is never touched. Nothing here fails on a timing.
set -euo pipefail
# A step that fails says which, since some fail without a word.
trap 'echo "run-bench: failed at line $LINENO: $BASH_COMMAND" >&2' ERR

root=$(cd "$(dirname "$0")/.." && pwd)
support=$root/tests/support
. "$support/panel-session.sh" "${1:-$root/build-bench}" "$0" "$@"
. "$root/bench/measure.sh"

runs=${BENCH_RUNS:-11}   # start-ups of each program; the median counts
idle_s=${BENCH_IDLE_S:-20}
panel=$build/pelmo-lift
floor=$build/bench/minimal-window
probe=$build/bench/map-probe
stages=$build/bench/startup-stages
need "build with -DPELMO_BENCH=ON" "$panel" "$floor" "$probe" "$build/bench/travel-harness" \
    "$build/bench/writeport-bench" "$stages"

work=$session_dir
export TMPDIR=$work XDG_RUNTIME_DIR=$work QT_QPA_PLATFORM=xcb
port=$work/$port_file_name
probe_pid=
on_exit 'if [ -n "$probe_pid" ]; then kill "$probe_pid" 2>/dev/null || true; fi'

# --- 1. WritePort against a bare open / pwrite / close ----------------------

echo "WritePort against open/pwrite/close ..." >&2
"$build/bench/writeport-bench" --benchmark_repetitions=10 --benchmark_report_aggregates_only=true \
    --benchmark_format=csv 2>/dev/null >"$work/writeport.csv"
bench_ns() { awk -F, -v n="\"$1_median\"" '$1 == n { print $3 }' "$work/writeport.csv"; }
write_port=$(bench_ns WritePortCall)
write_floor=$(bench_ns BareOpenPwriteClose)

# --- 2. Start-up: process start to window mapped -----------------------------

echo "Start-up, $runs runs of each ..." >&2
launch "$panel" >/dev/null; stop_launched # warm the file cache for both
launch "$floor" >/dev/null; stop_launched
: >"$work/start.panel"; : >"$work/start.floor"
for _ in $(seq "$runs"); do
    launch "$panel" >>"$work/start.panel"; stop_launched
    launch "$floor" >>"$work/start.floor"; stop_launched
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
rm -f "$port"
launch "$panel" >/dev/null
sleep 2
idle_panel=$(cpu_share_over "$app_pid" "$idle_s")
window=$(wait_for_window --pid "$app_pid")
origin=($(window_origin "$window"))
click_control "Command1(11)" # the fifth floor's call
travel_cpu "$port"
stop_launched
rss_panel=$peak_kb

launch "$floor" >/dev/null
sleep 2
idle_floor=$(cpu_share_over "$app_pid" "$idle_s")
travel_floor=$(cpu_share_over "$app_pid" "$travel_s")
stop_launched
rss_floor=$peak_kb

# --- 3b. The same travel with a screen reader's client listening -------------

# In a D-Bus session of its own with the accessibility bus, the panel with
# Qt's AT-SPI bridge on, and an AT-SPI client listening to what a screen
# reader follows: the words a travel sends out must cost next to nothing.
echo "A ground-to-fifth travel with an AT-SPI client listening ..." >&2
plain_s=$travel_s
plain_panel=$travel_panel
bus=($(dbus-daemon --session --fork --print-address=1 --print-pid=1))
on_exit "kill ${bus[1]} 2>/dev/null || true"
rm -f "$port"
DBUS_SESSION_BUS_ADDRESS=${bus[0]} QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 launch "$panel" >/dev/null
DBUS_SESSION_BUS_ADDRESS=${bus[0]} "$root/bench/atspi-listener.py" "$(basename "$panel")" \
    >"$work/listener" 2>/dev/null &
listener_pid=$!
on_exit "kill $listener_pid 2>/dev/null || true"
for _ in $(seq 600); do grep -q listening "$work/listener" && break; sleep 0.1; done
window=$(wait_for_window --pid "$app_pid")
origin=($(window_origin "$window"))
click_control "Command1(11)"
travel_cpu "$port"
listened_s=$travel_s
listened_panel=$travel_panel
travel_s=$plain_s
travel_panel=$plain_panel
kill "$listener_pid"
wait "$listener_pid" || true
stop_launched

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

# --- The table ---------------------------------------------------------------

table=$(
    echo "| Figure | Pelmo Lift | Floor | Ratio | Target | Met |"
    echo "| --- | --- | --- | --- | --- | --- |"
    row "WritePort, one call" "$(awk -v x="$write_port" 'BEGIN { printf "%.2f", x / 1000 }')" µs \
        "$(awk -v x="$write_floor" 'BEGIN { printf "%.2f", x / 1000 }')" "bare open/pwrite/close" \
        "≤ 1.5 × floor" "ratio <= 1.5"
    shared_rows "minimal Qt window"
    row "CPU during the same travel, an AT-SPI client listening (${listened_s} s)" \
        "$listened_panel" "%" "$travel_panel" "no client listening" "≤ 5 % of a core" "value <= 5"
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
