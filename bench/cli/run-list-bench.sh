#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures `tavrin list --json` end to end with a history of 100,000 entries, on a private X display and session
# bus (tests/e2e/x11-session.sh).
# Usage: bench/cli/run-list-bench.sh [build-dir]   (default: a release build in build-bench)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$root/build-bench}
mkdir -p "$build"
build=$(cd "$build" && pwd)
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTAVRIN_BUILD_TESTS=OFF \
    -DTAVRIN_BUILD_BENCHMARKS=ON >/dev/null
fi
if ! cmake --build "$build" -j2 --target tavrin bench_list_command >"$build/list-bench-build.log" 2>&1; then
  tail -40 "$build/list-bench-build.log" >&2
  exit 1
fi
TAVRIN_BINARY=$build/tavrin "$root/tests/e2e/x11-session.sh" "$build/bench/cli/bench_list_command" \
  --benchmark_counters_tabular=true
