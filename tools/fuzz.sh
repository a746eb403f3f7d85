#!/usr/bin/env bash
# Builds the fuzz preset and runs every fuzz target (or the ones named) for SECONDS each over its
# committed seeds, one in-process job at a time. Inputs the run finds new go to a scratch folder, so the
# committed corpus stays as it is; a broken invariant or a sanitizer report stops the script with
# the input saved as build/fuzz/findings/<target>/crash-*. The sanitizer's quarantine of freed
# memory is kept small: with its default a run of an hour grows past libFuzzer's 2 GB limit (RSS up
# 10 to 130 KB an input while the live heap stays near 25 MB) and ends in a false out-of-memory.
#   tools/fuzz.sh [SECONDS] [TARGET...]      (default 5 seconds, every target)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-5}"
shift || true
tools/setup.sh fuzz
targets=("$@")
if ((${#targets[@]} == 0)); then
    for source in fuzz/fuzz_*.cpp; do
        targets+=("$(basename "$source" .cpp)")
    done
fi
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
for target in "${targets[@]}"; do
    rm -rf "build/fuzz/findings/$target"
    mkdir -p "$scratch/$target" "build/fuzz/findings/$target"
    echo "== $target: $seconds s"
    log="$scratch/$target.log"
    status=0
    ASAN_OPTIONS="detect_leaks=0:quarantine_size_mb=1:${ASAN_OPTIONS:-}" UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
        "build/fuzz/bin/$target" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="build/fuzz/findings/$target/" "$scratch/$target" "fuzz/corpus/$target" >"$log" 2>&1 ||
        status=$?
    grep -E "^#[0-9]+[[:space:]]+(INITED|DONE)|^stat::number_of_executed_units" "$log" || true
    if ((status != 0)); then
        tail -n 40 "$log" >&2
        echo "$target: finding saved in build/fuzz/findings/$target/" >&2
        exit 1
    fi
done
