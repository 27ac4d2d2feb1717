#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the keys benchmark in release mode and runs it on a private Xvfb with a US layout (kept from resetting
# between the benchmark's connections).
# Usage: bench/run-keys-bench.sh [build-dir]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-bench}
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTAVRIN_BUILD_TESTS=OFF -DTAVRIN_BUILD_BENCHMARKS=ON >/dev/null
cmake --build "$build" -j2 --target bench_keys >/dev/null
xvfb-run -a -s -noreset sh -c 'setxkbmap us && "$0" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true' \
  "$build/bench/bench_keys"
