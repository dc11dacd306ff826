#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless, three ways: the normal build and
# its tests; the same tests built with AddressSanitizer and UndefinedBehaviorSanitizer (build-asan);
# every fuzz target over its seed corpus, built in the same sanitizer tree. The last line sums up
# all three as "N passed, N failed"; any failure, a failed build included, makes the exit non-zero.
set -uo pipefail
cd "$(dirname "$0")/.."
# clang and its runtimes (libclang-rt-14-dev holds libclang_rt.fuzzer) build the sanitizer and fuzz trees;
# poppler-utils reads the printed order back as text; dpkg-dev (dpkg-shlibdeps) makes the Debian
# package, which file, lintian, appstream and desktop-file-utils check.
bash scripts/setup.sh clang libclang-rt-14-dev desktop-file-utils poppler-utils dpkg-dev file lintian appstream ||
    exit 1

passed=0
failed=0
timings=()
logs=$(mktemp -d)
trap 'rm -rf "$logs"' EXIT

# Adds the counts from the summary line of a ctest run; a run that never got that far is a failure.
count_ctest() {
    local summary
    summary=$(grep -E '[0-9]+ tests failed out of [0-9]+' "$1" | tail -1)
    if [[ "$summary" =~ ([0-9]+)\ tests\ failed\ out\ of\ ([0-9]+) ]]; then
        failed=$((failed + BASH_REMATCH[1]))
        passed=$((passed + BASH_REMATCH[2] - BASH_REMATCH[1]))
    elif ! grep -q 'No tests were found' "$1"; then
        failed=$((failed + 1))
    fi
}

timed() {
    timings+=("$1: $(($(date +%s) - $2)) s")
}

start=$(date +%s)
if bash scripts/build.sh; then
    ctest --test-dir build --output-on-failure -j"$(nproc)" 2>&1 | tee "$logs/build.log"
    count_ctest "$logs/build.log"
else
    echo "The build in build/ failed." >&2
    failed=$((failed + 1))
fi
timed "build and ctest" "$start"

# A test that cannot run under the sanitizers (one that preloads a shim, say) carries the label no-asan.
export ASAN_OPTIONS=detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
start=$(date +%s)
asan_built=0
if CC=clang CXX=clang++ cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZEL_SANITIZE=ON -DZEL_FUZZ=ON \
    >/dev/null && cmake --build build-asan -j"$(nproc)"; then
    asan_built=1
    ctest --test-dir build-asan --output-on-failure -j"$(nproc)" -LE no-asan 2>&1 | tee "$logs/asan.log"
    count_ctest "$logs/asan.log"
else
    echo "The sanitizer build in build-asan failed." >&2
    failed=$((failed + 1))
fi
timed "sanitizer build and ctest" "$start"

start=$(date +%s)
if [ "$asan_built" -eq 1 ]; then
    for source in fuzz/fuzz_*.cpp; do
        target=$(basename "$source" .cpp)
        if "build-asan/fuzz/$target" -runs=0 -timeout=60 "fuzz/corpus/$target" >"$logs/$target.log" 2>&1; then
            echo "corpus replay $target: passed"
            passed=$((passed + 1))
        else
            echo "corpus replay $target: FAILED"
            grep -v -E '^(INFO|#[0-9]+|Done |MERGE)' "$logs/$target.log" | tail -40
            failed=$((failed + 1))
        fi
    done
fi
timed "corpus replay" "$start"

printf '%s\n' "${timings[@]}"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
