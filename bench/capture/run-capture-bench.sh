#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures capture on a private X display (tests/e2e/x11-session.sh), in a release build:
#  1. the latency from a copy by another client to the history entry, 20 copies (bench_capture);
#  2. the CPU time of the idle running tavrin binary over 60 s, from /proc/<pid>/stat.
# Usage: bench/capture/run-capture-bench.sh [build-dir]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)

if [ "${1:-}" = "--in-session" ]; then
  build=$2
  "$build/bench/capture/bench_capture" --benchmark_counters_tabular=true
  "$build/tavrin" >/dev/null 2>&1 &
  pid=$!
  trap 'kill $pid 2>/dev/null || true' EXIT
  sleep 5  # startup and the first ticks are not idle time
  ticks=$(getconf CLK_TCK)
  cpu() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
  before=$(cpu)
  sleep 60
  after=$(cpu)
  echo "idle tavrin over 60 s: $(( (after - before) * 1000 / ticks )) ms CPU (user + system)"
  kill -TERM $pid
  wait $pid || true
  exit 0
fi

build=${1:-$root/build-bench}
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTAVRIN_BUILD_TESTS=OFF -DTAVRIN_BUILD_BENCHMARKS=ON >/dev/null
if ! cmake --build "$build" -j2 --target tavrin bench_capture >"$build/capture-bench-build.log" 2>&1; then
  tail -40 "$build/capture-bench-build.log" >&2
  exit 1
fi
"$root/tests/e2e/x11-session.sh" "$0" --in-session "$build"
