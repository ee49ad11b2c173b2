#!/usr/bin/env bash
# The long form of the robot-rounds test: tavexo-sim plays each rule set
# twice, through its robot rounds and through the table engine
# (--table-engine), and the two traces (every shoe, every settled box) and
# JSON summaries must be equal byte for byte. The traces are compared by
# their SHA-256, so a run of millions of rounds needs no disk space.
#
#   scripts/sim-differential.sh [build dir] [rounds per rule set]
#
# Defaults: build, 1000000 rounds. Exits 1 at the first difference.
set -euo pipefail
build=${1:-build}
rounds=${2:-1000000}
sim="$build/sim/tavexo-sim"
[ -x "$sim" ] || { echo "no $sim; build first (make build)" >&2; exit 2; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Runs the simulator with a trace into a pipe; prints the trace's hash and
# the summary without its timing.
play() {
    local fifo="$work/trace.$$.$RANDOM"
    mkfifo "$fifo"
    sha256sum <"$fifo" >"$work/hash" &
    local hasher=$!
    "$sim" "$@" --trace "$fifo" --json | sed 's/"seconds":[^,]*,"rounds_per_second":[^,]*,//' \
        >"$work/json"
    wait $hasher
    rm -f "$fifo"
    echo "$(cut -d' ' -f1 "$work/hash") $(sha256sum <"$work/json" | cut -d' ' -f1)"
}

failed=0
seed=1
while read -r rules; do
    [ -z "$rules" ] && continue
    args="--rounds $rounds --seed $seed --threads 2 $rules"
    robot=$(play $args)
    table=$(play $args --table-engine)
    if [ "$robot" = "$table" ]; then
        echo "same:    $args"
    else
        echo "DIFFERS: $args"
        failed=1
    fi
    seed=$((seed + 1))
done <<'RULES'
--decks 8
--decks 1 --double 0 --insurance 1
--decks 6 --double 2 --no-soft-double --ramp 3 --insurance 3
--decks 4 --double 3 --no-split-aces-one-card --no-surrender --ramp 2 --insurance 2
--decks 8 --double 0 --no-surrender --ramp 1 --insurance 4 --boxes 3
--decks 1 --ramp 0 --no-soft-double --boxes 1
--decks 6 --capital 400 --unit 5 --insurance 0
RULES
exit $failed
