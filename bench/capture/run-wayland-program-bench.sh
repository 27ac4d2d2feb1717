#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures the running program's capture on a private headless sway (tests/e2e/wayland-session.sh), in a release
# build: the latency from a copy by another Wayland client to the entry at the top of the program's history,
# 20 copies (bench_wayland_program_capture).
# Usage: bench/capture/run-wayland-program-bench.sh [build-dir]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$root/build-bench}
mkdir -p "$build"
build=$(cd "$build" && pwd)
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTAVRIN_BUILD_TESTS=OFF -DTAVRIN_BUILD_BENCHMARKS=ON >/dev/null
if ! cmake --build "$build" -j2 --target tavrin bench_wayland_program_capture >"$build/wayland-program-bench-build.log" 2>&1; then
  tail -40 "$build/wayland-program-bench-build.log" >&2
  exit 1
fi
# The session may run as another user (sway refuses root): it needs to reach the programs.
chmod a+rx "$build" "$build/bench" "$build/bench/capture" 2>/dev/null || true
TAVRIN_BINARY=$build/tavrin "$root/tests/e2e/wayland-session.sh" \
  "$build/bench/capture/bench_wayland_program_capture" --benchmark_counters_tabular=true
