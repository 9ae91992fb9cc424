#!/usr/bin/env bash
# scripts/fuzz.sh [--no-build] [TARGET|all] [SECONDS]
# Runs a fuzz target, or all of them one after another, each for SECONDS
# (600 unless given) from its seeds (tests/fuzz/corpus/TARGET) and what
# earlier runs found (build/fuzz/corpus/TARGET). Builds build/fuzz first
# unless --no-build. Prints each target's executions and time; an input that
# breaks a target is kept in build/fuzz/artifacts/TARGET/, its log in
# build/fuzz/TARGET.log, and the script fails.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=1
if [[ ${1:-} == --no-build ]]; then
    build=0
    shift
fi
target=${1:-all}
seconds=${2:-600}
if ((build)); then
    "$root/scripts/install-deps.sh"
    "$root/scripts/build.sh" fuzz
fi
targets=("$target")
if [[ $target == all ]]; then
    targets=()
    for seeds in "$root"/tests/fuzz/corpus/*/; do
        targets+=("$(basename "$seeds")")
    done
fi

status=0
for name in "${targets[@]}"; do
    work="$root/build/fuzz/corpus/$name"
    artifacts="$root/build/fuzz/artifacts/$name"
    log="$root/build/fuzz/$name.log"
    mkdir -p "$work" "$artifacts"
    start=$(date +%s)
    result=ok
    # New inputs go to the first folder; the seeds are only read.
    "$root/build/fuzz/tests/fuzz/fuzz_$name" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$artifacts/" "$work" "$root/tests/fuzz/corpus/$name" >"$log" 2>&1 || result=FAILED
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "$name: $result, ${runs:-?} executions in $(($(date +%s) - start)) s, $(ls "$work" | wc -l) inputs found"
    if [[ $result != ok ]]; then
        tail -n 40 "$log"
        status=1
    fi
done
exit $status
