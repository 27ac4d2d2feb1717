#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What a long history costs the running program, seen from outside: with histories of 10, 10,000, 100,000 and
# 1,000,000 sample entries, on a private X11 desktop, the time from a copy (xclip) until "tavrin list --limit 1"
# shows it (twenty copies), "tavrin list --limit 1" itself (twenty calls), "tavrin search" for a text no entry holds
# (five calls), resident memory, and "tavrin quit" until the process has ended. Prints one line per size with
# medians and maxima in milliseconds.
# Usage: bench/app/measure-large-history.sh [build-dir]   (builds a release tavrin and bench_history there)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
. "$root/bench/app/sample-history.sh"

if [ "${1:-}" != "--inside" ]; then
  build=${1:-$root/build-bench}
  build_with_samples "$build"
  # Ten entries: the first ten of the smallest sample.
  python3 - "$samples" <<'PY'
import plistlib, sys
with open(f"{sys.argv[1]}/history-10000.plist", "rb") as f:
    entries = plistlib.load(f)
with open(f"{sys.argv[1]}/history-10.plist", "wb") as f:
    plistlib.dump(entries[:10], f)
PY
  "$root/tests/e2e/x11-session.sh" "$0" --inside "$build/tavrin" "$samples"
  exit
fi

bin=$2
samples=$3
data="$XDG_DATA_HOME/tavrin"
mkdir -p "$XDG_CONFIG_HOME/tavrin" "$data"

now_ms() { echo $(($(date +%s%N) / 1000000)); }
# median and maximum of the numbers on standard input
summary() { sort -n | awk '{v[NR] = $1} END {printf "%d/%d", v[int((NR + 1) / 2)], v[NR]}'; }

for entries in 10 10000 100000 1000000; do
  cp "$samples/history-$entries.plist" "$data/myfile.plist"
  use_history "$data/myfile.plist"
  "$bin" >/dev/null 2>&1 &
  pid=$!
  until "$bin" list --limit 1 >/dev/null 2>&1; do sleep 0.01; done

  listed=$(for _ in $(seq 20); do
    t0=$(now_ms)
    "$bin" list --limit 1 >/dev/null
    echo $(($(now_ms) - t0))
  done | summary)

  recorded=$(for i in $(seq 20); do
    text="measured copy $i of $entries $RANDOM"
    t0=$(now_ms)
    printf '%s' "$text" | xclip -selection clipboard -i >/dev/null 2>&1
    until [ "$("$bin" list --limit 1 --width 200)" = "1	$text" ]; do :; done
    echo $(($(now_ms) - t0))
    sleep 0.3
  done | summary)

  searched=$(for _ in $(seq 5); do
    t0=$(now_ms)
    "$bin" search "no entry holds this xq7" >/dev/null || true
    echo $(($(now_ms) - t0))
  done | summary)

  rss=$(awk '/^VmRSS/ {print int($2 / 1024)}' "/proc/$pid/status")
  t0=$(now_ms)
  "$bin" quit >/dev/null
  wait "$pid" || true
  quit=$(($(now_ms) - t0))
  echo "entries=$entries copy_to_listed_ms=$recorded list_limit_1_ms=$listed search_no_hit_ms=$searched" \
    "rss_mb=$rss quit_ms=$quit"
done
