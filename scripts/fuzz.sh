#!/usr/bin/env bash
# Runs every libFuzzer target fuzz_<reader> of a -DTAVEXO_FUZZ=ON build for a
# while, each from its seed corpus in fuzz/corpus/<reader>, and prints what
# each did. New inputs go to a working corpus in the build folder, so the
# seeds in the repository stay as they are. A crash, a memory error or a
# failed round-trip check stops that target with its input saved as
# <build>/fuzz-findings/<reader>/crash-*; the script then exits 1.
#
#   scripts/fuzz.sh [--build DIR] [--seconds N] [target...]
#
# CI runs each target for a few seconds (`make fuzz`); run it for minutes
# or hours by hand: scripts/fuzz.sh --seconds 600
set -uo pipefail
cd "$(dirname "$0")/.."

build=build-fuzz
seconds=5
targets=()
while [ $# -gt 0 ]; do
    case "$1" in
        --build) build="$2"; shift 2 ;;
        --seconds) seconds="$2"; shift 2 ;;
        *) targets+=("$1"); shift ;;
    esac
done
if [ ${#targets[@]} -eq 0 ]; then
    for exe in "$build"/fuzz/fuzz_*; do
        [ -x "$exe" ] && targets+=("$(basename "$exe" | sed 's/^fuzz_//')")
    done
fi
if [ ${#targets[@]} -eq 0 ]; then
    echo "fuzz.sh: no fuzz_* executables in $build/fuzz (build with -DTAVEXO_FUZZ=ON)" >&2
    exit 2
fi

failed=0
passed=0
printf '%-22s %8s %12s %10s %8s  %s\n' target seconds inputs "inputs/s" corpus result
for reader in "${targets[@]}"; do
    exe="$build/fuzz/fuzz_$reader"
    work="$build/fuzz-corpus/$reader"
    findings="$build/fuzz-findings/$reader"
    log="$build/fuzz-logs/$reader.log"
    mkdir -p "$work" "$findings" "$(dirname "$log")"
    start=$(date +%s)
    # Out-of-memory and time-outs count as findings too: no reader may take
    # more than 2 GB or 10 s for one input.
    "$exe" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$findings/" "$work" "fuzz/corpus/$reader" >"$log" 2>&1
    status=$?
    took=$(( $(date +%s) - start ))
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
    corpus=$(find "$work" -type f | wc -l)
    if [ $status -eq 0 ]; then
        result="nothing found"
        passed=$((passed + 1))
    else
        result="FOUND: $(ls "$findings" | head -1) (see $log)"
        failed=$((failed + 1))
        grep -m3 -E 'ERROR|check failed|runtime error' "$log" | sed 's/^/    /'
    fi
    printf '%-22s %8s %12s %10s %8s  %s\n' "fuzz_$reader" "$took" "${runs:-?}" "${speed:-?}" \
        "$corpus" "$result"
done
echo "fuzz: $passed passed, $failed failed"
[ $failed -eq 0 ]
