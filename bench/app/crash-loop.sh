#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The kill -9 crash loop: the real program with a history of 100,000 sample entries, a copy every 0.3 s (xclip), and
# SIGKILL at a random moment between 2 and 25 s after the start; 30 runs (or as many as asked) on one private X11
# desktop, each starting from what the one before left. After every kill the history file must parse (Python's
# plistlib, a reader of its own) and hold every copy made more than 12 s before the kill (a burst of copies is saved
# at most 10 s after its first copy, plus the time the monitor and the write of 100,000 entries take). Temporary files
# of writes cut short must not pile up. Prints one line per run and a summary; exits 1 when a run failed.
# Usage: bench/app/crash-loop.sh [build-dir] [runs]   (builds a release tavrin and bench_history there)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)

if [ "${1:-}" != "--inside" ]; then
  build=${1:-$root/build-bench}
  runs=${2:-30}
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTAVRIN_BUILD_TESTS=OFF \
    -DTAVRIN_BUILD_BENCHMARKS=ON >/dev/null
  cmake --build "$build" -j2 --target tavrin bench_history >/dev/null
  samples=$(mktemp -d)
  trap 'rm -rf "$samples"' EXIT
  "$build/bench/bench_history" --write-sample="$samples"
  "$root/tests/e2e/x11-session.sh" "$0" --inside "$build/tavrin" "$samples" "$runs"
  exit
fi

bin=$2
samples=$3
runs=$4
data="$XDG_DATA_HOME/tavrin"
history="$data/myfile.plist"
copies="$TAVRIN_E2E_SESSION/copies.txt"
confirmed="$TAVRIN_E2E_SESSION/confirmed.txt"
mkdir -p "$XDG_CONFIG_HOME/tavrin" "$data"
cp "$samples/history-100000.plist" "$history"
cat >"$XDG_CONFIG_HOME/tavrin/settings.plist" <<PLIST
<?xml version="1.0" encoding="UTF-8"?>
<plist version="1.0"><dict>
<key>firstRun</key><integer>1</integer>
<key>userdefaultsCopiedPath</key><string>$history</string>
</dict></plist>
PLIST
: >"$confirmed"

# Copies "crash-loop run R copy N" every 0.3 s and notes each with the time it was made (ns).
copier() {
  local run=$1 n=0
  while true; do
    n=$((n + 1))
    local text="crash-loop run $run copy $n"
    printf '%s' "$text" | xclip -selection clipboard -i >/dev/null 2>&1
    printf '%s\t%s\n' "$(date +%s%N)" "$text" >>"$copies"
    sleep 0.3
  done
}

# Parses the history with plistlib and checks that every copy of this run made before the deadline (ns) is in it, and
# every copy an earlier run found saved; the copies found now are added to those.
check() {
  python3 - "$history" "$copies" "$1" "$confirmed" <<'PY'
import plistlib, sys
path, copies, deadline, confirmed = sys.argv[1], sys.argv[2], int(sys.argv[3]), sys.argv[4]
try:
    with open(path, "rb") as f:
        entries = plistlib.load(f)
except Exception as e:
    print(f"UNREADABLE: {e}")
    sys.exit(1)
if not isinstance(entries, list) or not all(isinstance(e, str) for e in entries):
    print("NOT A LIST OF STRINGS")
    sys.exit(1)
present = set(entries)
made = [line.rstrip("\n").split("\t", 1) for line in open(copies)]
due = [text for time, text in made if int(time) < deadline]
earlier = [line.rstrip("\n") for line in open(confirmed)]
lost = [c for c in due + earlier if c not in present]
with open(confirmed, "a") as f:
    for _, text in made:
        if text in present:
            f.write(text + "\n")
print(f"entries={len(entries)} made={len(made)} due={len(due)} earlier={len(earlier)} lost={len(lost)}"
      + (f" first_lost={lost[0]!r}" if lost else ""))
sys.exit(1 if lost or len(entries) < 100000 else 0)
PY
}

failed=0
for run in $(seq "$runs"); do
  "$bin" >/dev/null 2>&1 &
  pid=$!
  until [ -n "$(xdotool search --all --pid "$pid" --onlyvisible 2>/dev/null | head -1)" ]; do sleep 0.05; done
  : >"$copies"
  copier "$run" &
  copier_pid=$!
  delay_ms=$((2000 + RANDOM % 23000))
  sleep "$((delay_ms / 1000)).$(printf '%03d' $((delay_ms % 1000)))"
  kill -9 "$pid"
  killed=$(date +%s%N)
  wait "$pid" 2>/dev/null || true
  kill "$copier_pid"
  wait "$copier_pid" 2>/dev/null || true
  result=$(check $((killed - 12000000000))) || failed=$((failed + 1))
  leftovers=$(find "$data" -maxdepth 1 -name 'myfile.plist.saving-*' | wc -l)
  echo "run=$run killed_after_ms=$delay_ms $result temporaries=$leftovers"
done
echo "runs=$runs failed=$failed"
[ "$failed" -eq 0 ]
