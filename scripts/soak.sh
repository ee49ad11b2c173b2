#!/usr/bin/env bash
# The soak: a million rounds (or ROUNDS) of seven robot boxes under each deck
# count, every counter of the summary checked afterwards, and a traced sample
# of 50000 rounds per deck count checked box-round by box-round, once with
# the default capital and once with boxes short of money (7 per unit, 50 to
# start). Not part of `make test`: it takes minutes.
#
#   scripts/soak.sh [--build DIR] [--rounds N] [--seed S]
set -euo pipefail
cd "$(dirname "$0")/.."

build=build
rounds=1000000
seed=20261210
while [ $# -gt 0 ]; do
    case "$1" in
        --build) build="$2"; shift 2 ;;
        --rounds) rounds="$2"; shift 2 ;;
        --seed) seed="$2"; shift 2 ;;
        *) echo "soak.sh: unknown argument $1" >&2; exit 2 ;;
    esac
done
sim="$build/sim/tavexo-sim"
[ -x "$sim" ] || cmake --build "$build" --target tavexo-sim
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

passed=0
failed=0
run() {
    local name="$1"; shift
    local start_capital="$1"; shift
    local trace_args=()
    [ "${TRACE:-}" = 1 ] && trace_args=(--trace "$work/trace.jsonl")
    local started=$(date +%s)
    rm -f "$work/check.txt"
    # Boxes short of money may all go broke within a run of 10000 rounds; the
    # simulator then says so and exits 1, with its summary complete.
    local status=0
    "$sim" "$@" --seed "$seed" --threads 2 --json "${trace_args[@]}" >"$work/summary.json" ||
        status=$?
    if { [ $status -eq 0 ] || { [ $status -eq 1 ] && [ "${MAY_GO_BROKE:-}" = 1 ]; }; } &&
        python3 scripts/soak_check.py "$work/summary.json" \
            ${trace_args:+"$work/trace.jsonl" "$start_capital"} >"$work/check.txt"; then
        passed=$((passed + 1))
        echo "PASS $name ($(( $(date +%s) - started )) s) $(tail -1 "$work/check.txt")"
    else
        failed=$((failed + 1))
        echo "FAIL $name"
        cat "$work/check.txt" 2>/dev/null || true
    fi
    rm -f "$work/trace.jsonl"
}

for decks in 1 4 6 8; do
    run "$decks decks, $rounds rounds" 1000000 --decks "$decks" --rounds "$rounds"
    TRACE=1 run "$decks decks, traced sample" 1000000 --decks "$decks" --rounds 50000
    TRACE=1 MAY_GO_BROKE=1 run "$decks decks, short of money, traced" 50 --decks "$decks" --rounds 50000 \
        --unit 7 --capital 50 --double 0 --insurance 0
done
echo "soak: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
