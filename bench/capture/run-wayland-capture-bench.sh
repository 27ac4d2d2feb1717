#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures capture on a private headless sway (tests/e2e/wayland-session.sh), in a release build: the latency from
# a copy by another Wayland client to the history entry, and the two halves (copy to change notice, the read),
# 20 copies each (bench_wayland_capture).
# Usage: bench/capture/run-wayland-capture-bench.sh [build-dir]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$root/build-bench}
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTAVRIN_BUILD_TESTS=OFF -DTAVRIN_BUILD_BENCHMARKS=ON >/dev/null
if ! cmake --build "$build" -j2 --target bench_wayland_capture >"$build/wayland-capture-bench-build.log" 2>&1; then
  tail -40 "$build/wayland-capture-bench-build.log" >&2
  exit 1
fi
# The session may run as another user (sway refuses root): it needs to reach the program.
chmod a+rx "$build" "$build/bench" "$build/bench/capture" 2>/dev/null || true
"$root/tests/e2e/wayland-session.sh" "$build/bench/capture/bench_wayland_capture" --benchmark_counters_tabular=true
