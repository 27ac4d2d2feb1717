#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The kill -9 crash loop: the real program with a history of 100,000 sample entries, a copy every 0.3 s (xclip), and
# SIGKILL at a random moment between 2 and 25 s after the start; 30 runs (or as many as asked) on one private X11
# desktop, each starting from what the one before left. After every kill the history file must parse (Python's
# plistlib, a reader of its own), and the history file with its journal applied (by a reader of the journal written
# here from docs/STORAGE.md, not the program's) must hold every copy made more than 1 s before the kill, each once
# (the launch records the clipboard's text again: a run's last copy may be there twice). Temporary files of writes cut
# short must not pile up. Prints one line per run and a summary; exits 1 when a run failed.
# Usage: bench/app/crash-loop.sh [build-dir] [runs]   (builds a release tavrin and bench_history there)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
. "$root/bench/app/sample-history.sh"

if [ "${1:-}" != "--inside" ]; then
  build=${1:-$root/build-bench}
  runs=${2:-30}
  build_with_samples "$build"
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
lasts="$TAVRIN_E2E_SESSION/lasts.txt"
mkdir -p "$XDG_CONFIG_HOME/tavrin" "$data"
cp "$samples/history-100000.plist" "$history"
use_history "$history"
: >"$confirmed"
: >"$lasts"

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

# Parses the history with plistlib, applies its journal, and checks that every copy of this run made before the
# deadline (ns) is in it, and every copy an earlier run found saved, none more often than it was recorded; the copies
# found now are added to those.
check() {
  python3 - "$history" "$copies" "$1" "$confirmed" "$lasts" <<'PY'
import os, plistlib, struct, sys, zlib
path, copies, deadline, confirmed, lasts = sys.argv[1:6]
deadline = int(deadline)
try:
    with open(path, "rb") as f:
        raw = f.read()
    entries = plistlib.loads(raw)
except Exception as e:
    print(f"UNREADABLE: {e}")
    sys.exit(1)
if not isinstance(entries, list) or not all(isinstance(e, str) for e in entries):
    print("NOT A LIST OF STRINGS")
    sys.exit(1)
folded = len(entries)
applied = 0
journal = path + ".journal"
if os.path.exists(journal):
    data = open(journal, "rb").read()
    if len(data) >= 32 and data[:4] == b"TVRJ" and struct.unpack_from("<I", data, 28)[0] == zlib.crc32(data[:28]):
        header_size = struct.unpack_from("<H", data, 6)[0]
        base_size, base_crc = struct.unpack_from("<QI", data, 16)
        if (base_size, base_crc) == (len(raw), zlib.crc32(raw) if raw else 0):
            at = header_size
            while at + 8 <= len(data):
                length, crc = struct.unpack_from("<II", data, at)
                payload = data[at + 8:at + 8 + length]
                if len(payload) < length or zlib.crc32(payload) != crc:
                    break  # cut short by the kill, or damaged: the replay ends there
                op, a, b = payload[1], *struct.unpack_from("<ii", payload, 4)
                if op == 1:
                    entries.insert(a, payload[40:].decode("utf-8"))
                elif op == 2:
                    del entries[a]
                elif op == 3:
                    entries.insert(b, entries.pop(a))
                elif op == 4:
                    entries.clear()
                applied += 1
                at += 8 + length
present = {}
for e in entries:
    present[e] = present.get(e, 0) + 1
made = [line.rstrip("\n").split("\t", 1) for line in open(copies)]
due = [text for time, text in made if int(time) < deadline]
earlier = [line.rstrip("\n") for line in open(confirmed)]
relaunched = {line.rstrip("\n") for line in open(lasts)}
lost = [c for c in due + earlier if c not in present]
doubled = [e for e, n in present.items() if e.startswith("crash-loop run") and n > (2 if e in relaunched else 1)]
with open(confirmed, "a") as f:
    for _, text in made:
        if text in present:
            f.write(text + "\n")
print(f"entries={len(entries)} folded={folded} journal={applied} made={len(made)} due={len(due)} "
      f"earlier={len(earlier)} lost={len(lost)} doubled={len(doubled)}"
      + (f" first_lost={lost[0]!r}" if lost else "") + (f" first_doubled={doubled[0]!r}" if doubled else ""))
sys.exit(1 if lost or doubled or len(entries) < 100000 else 0)
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
  result=$(check $((killed - 1000000000))) || failed=$((failed + 1))
  # The next launch records what the clipboard still holds once more.
  tail -n 1 "$copies" | cut -f 2 >>"$lasts"
  leftovers=$(find "$data" -maxdepth 1 -name 'myfile.plist.saving-*' | wc -l)
  echo "run=$run killed_after_ms=$delay_ms $result temporaries=$leftovers"
done
echo "runs=$runs failed=$failed"
[ "$failed" -eq 0 ]
