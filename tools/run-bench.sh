#!/bin/bash
# Builds the benchmarks in build-bench/ (optimised, no tests) and runs them.
# Arguments go to bench_undo: [steps] [pdf megabytes].
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DTALLIMARK_BENCH=ON >/dev/null
cmake --build build-bench --target bench_undo
QT_QPA_PLATFORM=offscreen build-bench/bench/bench_undo "$@"
