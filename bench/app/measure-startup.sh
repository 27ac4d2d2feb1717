#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up of the real program until a command that needs no history answers, until its list window is shown, until
# a command that needs all of the history answers (the history is read); a second start's hand-over; resident and
# peak memory (once the older texts are packed); with histories of 0, 10,000, 100,000 and 1,000,000 sample entries (five runs each) and 1,000,000 entries
# in scripts other than Latin (three runs), on a private X11 desktop; then the start with 100,000 entries while the
# clipboard's owner never answers (a stopped xclip), and the start with 1,000,000 entries and a journal of changes left
# by a killed run.
# Usage: bench/app/measure-startup.sh [build-dir]   (builds a release tavrin and bench_history there)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
. "$root/bench/app/sample-history.sh"

if [ "${1:-}" != "--inside" ]; then
  build=${1:-$root/build-bench}
  build_with_samples "$build"
  "$root/tests/e2e/x11-session.sh" "$0" --inside "$build/tavrin" "$samples"
  exit
fi

bin=$2
samples=$3
data="$XDG_DATA_HOME/tavrin"
mkdir -p "$XDG_CONFIG_HOME/tavrin" "$data"
log=$(mktemp)
trap 'rm -f "$log"' EXIT
for entries in 0 10000 100000 1000000 nonlatin-1000000; do
  runs=5
  if [ "$entries" = 0 ]; then
    rm -f "$data/myfile.plist"
  else
    cp "$samples/history-$entries.plist" "$data/myfile.plist"
    [ "$entries" != nonlatin-1000000 ] || runs=3
  fi
  for run in $(seq $runs); do
    use_history "$data/myfile.plist"
    t0=$(date +%s%N)
    QT_LOGGING_RULES="tavrin.store.info=true" "$bin" >"$log" 2>&1 &
    pid=$!
    # The first command that needs no history (resume) to answer, the list window, then the first command that needs
    # all of the history.
    until "$bin" resume >/dev/null 2>&1; do sleep 0.005; done
    tb=$(date +%s%N)
    until [ -n "$(xdotool search --all --pid "$pid" --onlyvisible 2>/dev/null | head -1)" ]; do sleep 0.005; done
    t1=$(date +%s%N)
    "$bin" list --limit 1 >/dev/null
    tr=$(date +%s%N)
    "$bin" >/dev/null 2>&1
    t2=$(date +%s%N)
    # The memory once the older texts are packed: a history long enough to have any says so in the log.
    if [ "$entries" != 0 ] && [ "$entries" != 10000 ]; then
      for _ in $(seq 500); do grep -q "packed .* blocks" "$log" && break; sleep 0.01; done
    fi
    sleep 1
    rss=$(awk '/^VmRSS/ {print int($2 / 1024)}' "/proc/$pid/status")
    peak=$(awk '/^VmHWM/ {print int($2 / 1024)}' "/proc/$pid/status")
    echo "entries=$entries run=$run bus_answer_ms=$(((tb - t0) / 1000000)) ready_ms=$(((tr - t0) / 1000000))" \
      "list_shown_ms=$(((t1 - t0) / 1000000)) second_start_ms=$(((t2 - tr) / 1000000)) rss_mb=$rss peak_mb=$peak"
    kill "$pid"
    wait "$pid" || true
    # Each start inserts the clipboard text and saves; put the sample back for the next run.
    [ "$entries" = 0 ] || cp "$samples/history-$entries.plist" "$data/myfile.plist"
  done
done

# A clipboard owner that never answers: xclip's server, stopped.
echo "never answered" | xclip -selection clipboard -i >/dev/null 2>&1
owner=$(pgrep -n -x xclip)
kill -STOP "$owner"
cp "$samples/history-100000.plist" "$data/myfile.plist"
for run in 1 2 3 4 5; do
  t0=$(date +%s%N)
  "$bin" >/dev/null 2>&1 &
  pid=$!
  until [ -n "$(xdotool search --all --pid "$pid" --onlyvisible 2>/dev/null | head -1)" ]; do sleep 0.005; done
  t1=$(date +%s%N)
  echo "hung_owner entries=100000 run=$run list_shown_ms=$(((t1 - t0) / 1000000))"
  kill "$pid"
  wait "$pid" || true
  cp "$samples/history-100000.plist" "$data/myfile.plist"
done
kill -CONT "$owner"
kill "$owner" 2>/dev/null || true

# After an unclean end: a million entries, three commands' entries in the journal, the program killed; each start
# then replays the journal (and folds it, so the pair is put back before each run).
cp "$samples/history-1000000.plist" "$data/myfile.plist"
"$bin" >/dev/null 2>&1 &
pid=$!
until "$bin" list --limit 1 >/dev/null 2>&1; do sleep 0.01; done
for i in 1 2 3; do "$bin" add "added before the kill $i"; done
sleep 1  # past the journal's sync
kill -9 "$pid"
wait "$pid" 2>/dev/null || true
pair=$(mktemp -d)
cp "$data/myfile.plist" "$data/myfile.plist.journal" "$pair/"
for run in 1 2 3 4 5; do
  cp "$pair/myfile.plist" "$pair/myfile.plist.journal" "$data/"
  t0=$(date +%s%N)
  "$bin" >/dev/null 2>&1 &
  pid=$!
  until "$bin" list --limit 1 >/dev/null 2>&1; do sleep 0.005; done
  t1=$(date +%s%N)
  echo "journal entries=1000000 run=$run ready_ms=$(((t1 - t0) / 1000000))"
  kill -9 "$pid"
  wait "$pid" 2>/dev/null || true
done
rm -rf "$pair"
