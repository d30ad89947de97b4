# Sourced by the benchmark scripts: time, CPU time, medians, programs started
# under map-probe, and the rows of the results table.

now_ns() { date +%s%N; }

# CPU time of every thread of a process so far, in nanoseconds.
cpu_ns() {
    cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ s += $1 } END { printf "%d\n", s }'
}

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# CPU share of one core, in per cent, of $1 over the next $2 seconds.
cpu_share_over() {
    local c0 t0 c1 t1
    c0=$(cpu_ns "$1"); t0=$(now_ns)
    sleep "$2"
    c1=$(cpu_ns "$1"); t1=$(now_ns)
    awk -v c="$((c1 - c0))" -v t="$((t1 - t0))" 'BEGIN { printf "%.3f\n", 100 * c / t }'
}

# Starts a command under map-probe ($probe), with its output in $work; sets
# $app_pid and $probe_out, prints the start-up time in ms.
launch() {
    probe_out=$work/probe.$RANDOM
    "$probe" "$@" >"$probe_out" &
    probe_pid=$!
    local waited=0
    until grep -q '^mapped_ms' "$probe_out" 2>/dev/null; do
        kill -0 "$probe_pid" 2>/dev/null || { echo "no window from $*" >&2; exit 1; }
        sleep 0.02
        waited=$((waited + 1))
        [ "$waited" -lt 1500 ] || { echo "no window from $*" >&2; exit 1; }
    done
    app_pid=$(awk '$1 == "pid" { print $2 }' "$probe_out")
    awk '$1 == "mapped_ms" { print $2 }' "$probe_out"
}

# Ends the launched program; sets $peak_kb, its peak resident memory in KiB.
stop_launched() {
    kill "$app_pid"
    wait "$probe_pid" || true
    probe_pid=
    peak_kb=$(awk '$1 == "peak_rss_kb" { print $2 }' "$probe_out")
}

# travel_cpu PORT: after a click for the fifth floor, the CPU share of the
# launched program from the code on PORT to 0 again; sets $travel_s and
# $travel_panel.
travel_cpu() {
    local c0 t0 c1 t1
    "$watch" wait "$1" 32 5000 || { echo "the travel did not start" >&2; exit 1; }
    c0=$(cpu_ns "$app_pid"); t0=$(now_ns)
    "$watch" wait "$1" 0 30000 || { echo "the travel did not end" >&2; exit 1; }
    c1=$(cpu_ns "$app_pid"); t1=$(now_ns)
    travel_s=$(awk -v t="$((t1 - t0))" 'BEGIN { printf "%.3f\n", t / 1e9 }')
    travel_panel=$(awk -v c="$((c1 - c0))" -v t="$((t1 - t0))" 'BEGIN { printf "%.3f\n", 100 * c / t }')
}

# One pixel at the pace of 900 twips a second, in ms.
pixel_ms=$(awk 'BEGIN { printf "%.2f\n", 15 * 1000 / 900 }')

# The rows both tables share, the floor being FLOOR_NAME: start-up, memory,
# CPU idle and during a travel, the travel's duration and its longest gap.
shared_rows() {
    row "Start-up to window mapped (median of $runs)" "$start_panel" ms "$start_floor" \
        "$1" "≤ 1.3 × floor" "ratio <= 1.3"
    row "Peak resident memory" "$(awk -v x="$rss_panel" 'BEGIN { printf "%.1f", x / 1024 }')" MiB \
        "$(awk -v x="$rss_floor" 'BEGIN { printf "%.1f", x / 1024 }')" "$1" \
        "≤ 1.3 × floor" "ratio <= 1.3"
    row "CPU idle, ${idle_s} s at ten ticks a second" "$idle_panel" "%" "$idle_floor" \
        "$1" "≤ 0.5 % of a core" "value <= 0.5"
    row "CPU during a ground-to-fifth travel (${travel_s} s)" "$travel_panel" "%" "$travel_floor" \
        "$1, same span" "≤ 5 % of a core" "value <= 5"
    row "Travel duration, ground to fifth (worst of 3)" "$duration_ms" ms "$pace_ms" \
        "900 twips/s" "within 3 % of pace" "dev <= 3"
    row "Longest gap between cabin moves (worst of 3)" "$gap_ms" ms "$pixel_ms" \
        "one pixel at the pace" "≤ 50 ms" "value <= 50"
}

# figure | panel | floor | ratio | target | met; ratio is panel / floor.
row() { # name value unit floor-value floor-name target-text test(ratio,value)
    awk -v name="$1" -v v="$2" -v u="$3" -v f="$4" -v fn="$5" -v tt="$6" -v test="$7" 'BEGIN {
        r = (f > 0) ? v / f : -1
        ratio = (r < 0) ? "n/a" : sprintf("%.2f", r)
        split(test, t, " ")
        x = (t[1] == "ratio") ? r : (t[1] == "dev") ? ((v - f) / f < 0 ? (f - v) / f : (v - f) / f) * 100 : v
        met = (t[2] == "<=") ? (x >= 0 && x <= t[3]) : 0
        printf "| %s | %s %s | %s %s (%s) | %s | %s | %s |\n", name, v, u, f, u, fn, ratio, tt, met ? "yes" : "**no**"
    }'
}
