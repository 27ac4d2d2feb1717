#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the benchmarks in release mode and measures history load/save, with Python's plistlib on the
# same files for comparison. Usage: bench/run-history-bench.sh [build-dir]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-bench}
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTAVRIN_BUILD_TESTS=OFF -DTAVRIN_BUILD_BENCHMARKS=ON >/dev/null
cmake --build "$build" -j2 --target bench_history >/dev/null
samples=$(mktemp -d)
trap 'rm -rf "$samples"' EXIT
"$build/bench/bench_history" --write-sample="$samples"
ls -l "$samples"
"$build/bench/bench_history" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
echo "plistlib (best of 5, ms):"
python3 "$root/bench/plistlib_history.py" "$samples"
