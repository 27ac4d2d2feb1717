#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Where a start with a long history spends its time and memory: for each program given, started in turn RUNS times
# with a copy of HISTORY on a private X11 desktop, the time until `tavrin list --limit 1` answers, the log's "read …
# in … ms", the log's "packed …" (waited for up to five seconds), and a second after that the resident size
# (anonymous and mapped from files) with the largest mappings.
# Programs given side by side (an older build and a newer one) are alternated, so that both see the same machine.
# Usage: bench/app/measure-memory.sh HISTORY RUNS TAVRIN...
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
. "$root/bench/app/sample-history.sh"

if [ "${1:-}" != "--inside" ]; then
  [ $# -ge 3 ] || { echo "usage: $0 HISTORY RUNS TAVRIN..." >&2; exit 2; }
  exec "$root/tests/e2e/x11-session.sh" "$0" --inside "$@"
fi

history=$2
runs=$3
shift 3
data="$XDG_DATA_HOME/tavrin"
mkdir -p "$XDG_CONFIG_HOME/tavrin" "$data"
log=$(mktemp)
trap 'rm -f "$log"' EXIT
for run in $(seq "$runs"); do
  for bin in "$@"; do
    cp "$history" "$data/myfile.plist"
    use_history "$data/myfile.plist"
    t0=$(date +%s%N)
    QT_LOGGING_RULES="tavrin.store.info=true" "$bin" >"$log" 2>&1 &
    pid=$!
    until "$bin" resume >/dev/null 2>&1; do sleep 0.005; done
    "$bin" list --limit 1 >/dev/null
    tr=$(date +%s%N)
    for _ in $(seq 500); do grep -q "packed .* blocks" "$log" && break; sleep 0.01; done
    sleep 1
    packed=$(sed -n 's/.*packed \([0-9]*\) blocks.* in \([0-9]*\) ms.*/\1 blocks in \2 ms/p' "$log" | head -1)
    read_ms=$(sed -n 's/.*read .* in \([0-9]*\) ms.*/\1/p' "$log" | head -1)
    echo "program=$bin run=$run ready_ms=$(((tr - t0) / 1000000)) read_ms=${read_ms:-?} packed=${packed:-none}" \
      "$(awk '/^(VmRSS|VmHWM|RssAnon|RssFile)/ {sub(":", "", $1); printf "%s=%d ", $1, $2 / 1024}' "/proc/$pid/status")(MiB)"
    # The largest mappings: arena blocks and heaps have no name, libraries their file.
    awk '/^[0-9a-f]+-[0-9a-f]+ / {name = $6} /^Rss:/ {if ($2 > 4096) printf "  %d MiB %s\n", $2 / 1024, name}' \
      "/proc/$pid/smaps" | sort -rn | head -8
    "$bin" quit >/dev/null 2>&1 || kill "$pid"
    wait "$pid" || true
  done
done
