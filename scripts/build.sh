#!/usr/bin/env bash
# Configures and builds into build/ (the staged program ends up in build/app).
#   scripts/build.sh [TARGET...]   every target (tests, benchmarks, tools) when none is named
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
targets=()
[ "$#" -gt 0 ] && targets=(--target "$@")
cmake --build build -j"$(nproc)" "${targets[@]}"
