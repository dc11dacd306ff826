#!/usr/bin/env bash
# Builds the fuzz targets with clang into build-fuzz and runs each for SECONDS seconds, starting
# from a copy of its seed corpus in fuzz/corpus (the repository's corpus is never written).
# Usage: scripts/fuzz.sh SECONDS [TARGET...]   (every fuzz/fuzz_*.cpp when no target is named)
# Exits non-zero when a target finds something; the input is kept in build-fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-}
if ! [[ "$seconds" =~ ^[0-9]+$ ]] || [ "$seconds" -eq 0 ]; then
    echo "usage: bash scripts/fuzz.sh SECONDS [TARGET...]" >&2
    exit 2
fi
shift
targets=("$@")
if [ "${#targets[@]}" -eq 0 ]; then
    for source in fuzz/fuzz_*.cpp; do
        targets+=("$(basename "$source" .cpp)")
    done
fi
for target in "${targets[@]}"; do
    [ -f "fuzz/$target.cpp" ] || { echo "no fuzz target $target (fuzz/$target.cpp)" >&2; exit 2; }
done

bash scripts/setup.sh clang libclang-rt-14-dev
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZEL_FUZZ=ON -DZEL_SANITIZE=ON >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target "${targets[@]}"

export ASAN_OPTIONS=detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
mkdir -p build-fuzz/findings
found=0
for target in "${targets[@]}"; do
    # The corpus copy lives on between runs; what a run adds is merged into it, kept small.
    corpus=build-fuzz/corpus/$target
    fresh=build-fuzz/new/$target
    log=build-fuzz/logs/$target.log
    mkdir -p "$corpus" build-fuzz/logs
    rm -rf "$fresh" && mkdir -p "$fresh"
    cp -n fuzz/corpus/"$target"/* "$corpus"/ 2>/dev/null || true

    status=0
    "build-fuzz/fuzz/$target" "$fresh" "$corpus" -max_total_time="$seconds" -print_final_stats=1 \
        -timeout=10 -rss_limit_mb=2048 -artifact_prefix="build-fuzz/findings/$target-" >"$log" 2>&1 || status=$?
    "build-fuzz/fuzz/$target" -merge=1 "$corpus" "$fresh" >>"$log" 2>&1 || true
    rm -rf "$fresh"

    speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    if [ "$status" -eq 0 ]; then
        echo "$target: ${speed:-?} exec/s, ${runs:-?} runs, nothing found"
    else
        found=1
        artifact=$(sed -n 's/.*Test unit written to \(.*\)$/\1/p' "$log" | tail -1)
        echo "$target: ${speed:-?} exec/s, ${runs:-?} runs, FOUND (exit $status): ${artifact:-see $log}"
        grep -m1 -E 'ERROR: |broken rule: |runtime error: ' "$log" | sed 's/^/    /' || true
    fi
done
exit "$found"
