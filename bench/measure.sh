# Sourced by the benchmark scripts: time, CPU time, medians and the rows of
# the results table.

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
