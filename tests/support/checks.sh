# Sourced by the test scripts: checks that count, and a wait for a byte.

passed=0 failed=0
pass() { passed=$((passed + 1)); echo "ok   $*"; }
fail() { failed=$((failed + 1)); echo "FAIL $*"; }

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
