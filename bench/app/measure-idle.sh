#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# CPU time of the idle program beside CopyQ's, measured in the same run on one private X11 desktop (Xvfb, openbox,
# the trayer tray host): both started, ten copies made with xclip, the windows hidden, 35 s to settle, then the CPU
# time every thread of each program spent over 30 s (/proc/<pid>/task/*/schedstat) and their wake-ups (context
# switches), then the system calls every thread of each made over 10 s more, counted by `strace -f -c`.
# Needs copyq and strace installed; CopyQ's settings and data go to the desktop's private folders.
# Usage: bench/app/measure-idle.sh [build-dir] [seconds]   (builds a release tavrin there)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)

if [ "${1:-}" != "--inside" ]; then
  build=${1:-$root/build-bench}
  seconds=${2:-30}
  command -v copyq >/dev/null || { echo "copyq is not installed (apt-get install copyq)" >&2; exit 1; }
  command -v strace >/dev/null || { echo "strace is not installed (apt-get install strace)" >&2; exit 1; }
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTAVRIN_BUILD_TESTS=OFF >/dev/null
  cmake --build "$build" -j2 --target tavrin >/dev/null
  exec "$root/tests/e2e/x11-session.sh" "$0" --inside "$build/tavrin" "$seconds"
fi

bin=$2
seconds=$3

# Nanoseconds on the CPU and context switches of every thread of the processes named.
# Threads may end while they are read: a missing file is no error.
cpu_ns() { { cat $(printf '/proc/%s/task/*/schedstat ' "$@") 2>/dev/null || true; } | awk '{ sum += $1 } END { print sum + 0 }'; }
switches() {
  { cat $(printf '/proc/%s/task/*/status ' "$@") 2>/dev/null || true; } |
    awk '/ctxt_switches/ { sum += $2 } END { print sum + 0 }'
}

mkdir -p "$XDG_CONFIG_HOME/tavrin"
cat >"$XDG_CONFIG_HOME/tavrin/settings.plist" <<PLIST
<?xml version="1.0" encoding="UTF-8"?>
<plist version="1.0"><dict><key>firstRun</key><integer>1</integer></dict></plist>
PLIST

"$bin" >/dev/null 2>&1 &
tavrin=$!
copyq >/dev/null 2>&1 &
until [ -n "$(xdotool search --all --pid "$tavrin" --onlyvisible 2>/dev/null | head -1)" ]; do sleep 0.05; done
until copyq size >/dev/null 2>&1; do sleep 0.1; done
copyq_pids=$(pgrep -d ' ' -x copyq)

for i in $(seq 10); do
  echo "copy $i of ten, made while both programs run" | xclip -selection clipboard -i
  sleep 0.3
done
# The lists hidden: a click on the empty desktop closes ours, CopyQ hides on request.
copyq hide >/dev/null 2>&1
xdotool mousemove 640 780 click 1
# A background lane's thread ends 30 s after its last job: by then no thread ends within the window, and the sum of
# the threads' times only grows.
sleep 35

t0=$(cpu_ns "$tavrin")
c0=$(cpu_ns $copyq_pids)
w0=$(switches "$tavrin")
v0=$(switches $copyq_pids)
sleep "$seconds"
t1=$(cpu_ns "$tavrin")
c1=$(cpu_ns $copyq_pids)
w1=$(switches "$tavrin")
v1=$(switches $copyq_pids)

# Every system call of every thread over 10 s more: a periodic wake-up shows as a poll that returns on its timeout.
syscalls() {
  local out
  out=$(mktemp)
  timeout -s INT 10 strace -f -c -o "$out" $(printf -- '-p %s ' "$@") >/dev/null 2>&1 || true
  awk '/^------/ { n++; next } n == 1 && NF >= 5 { printf " %s %s", $NF, $4 } n == 2 { printf " (total %s)", $4 }
       END { if (n == 0) printf " none" }' "$out"
  rm -f "$out"
}
echo "system calls in 10 s idle, per call (strace -f -c):"
echo "  tavrin:$(syscalls "$tavrin")"
echo "  copyq:$(syscalls $copyq_pids)"

copyq_items=$(copyq size)
awk -v t=$((t1 - t0)) -v c=$((c1 - c0)) -v wt=$((w1 - w0)) -v wc=$((v1 - v0)) -v s="$seconds" 'BEGIN {
  printf "idle %d s: tavrin %.1f ms CPU, %d context switches; copyq %.1f ms CPU, %d context switches; ratio %.2f\n",
    s, t / 1e6, wt, c / 1e6, wc, (c > 0 ? t / c : 0)
}'
copyq exit >/dev/null 2>&1 || true
kill "$tavrin"
wait "$tavrin" || true
for _ in $(seq 100); do pgrep -x copyq >/dev/null || break; sleep 0.1; done
echo "copies recorded: tavrin $(grep -c '<string>' "$XDG_DATA_HOME/tavrin/myfile.plist"), copyq $copyq_items"
