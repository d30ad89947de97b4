# Sourced by the test scripts: checks that count, the tally at the end, and
# a wait for a value that some reader prints.

passed=0 failed=0
pass() { passed=$((passed + 1)); echo "ok   $*"; }
fail() { failed=$((failed + 1)); echo "FAIL $*"; }

now_ms() { echo $(($(date +%s%N) / 1000000)); }

# finish [NAME]: prints the tally (after "NAME: "); true when nothing failed.
finish() {
    echo "${1:+$1: }$passed passed, $failed failed"
    [ "$failed" -eq 0 ]
}

# need HINT FILE...: stops the script unless every FILE is there and runs.
need() {
    local hint=$1 tool
    shift
    for tool in "$@"; do
        [ -x "$tool" ] || { echo "missing $tool: $hint" >&2; exit 1; }
    done
}

# expect_byte VALUE READER SECONDS TEXT: passes once READER prints VALUE,
# fails (and goes on) when it has not after SECONDS.
expect_byte() {
    local deadline=$((SECONDS + $3)) seen
    while :; do
        seen=$($2) || true
        if [ "$seen" = "$1" ]; then
            pass "$4"
            return 0
        fi
        if [ "$SECONDS" -ge "$deadline" ]; then
            fail "$4 (read ${seen:-nothing})"
            return 0
        fi
        sleep 0.05
    done
}
