#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# How long a large `tavrin add -` takes, and how long the program's GUI thread is held meanwhile: while each text is
# added, a second client calls IsPaused over and over (dbus-send, answered on the GUI thread), and the slowest of
# those calls is what the program made others wait. Texts of 1, 16 and 48 MB (the largest Add takes), three runs
# each, on a private X11 desktop with the list window shown, release build.
# Usage: bench/app/measure-large-add.sh [build-dir]   (builds a release tavrin there)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)

if [ "${1:-}" != "--inside" ]; then
  build=${1:-$root/build-bench}
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTAVRIN_BUILD_TESTS=OFF >/dev/null
  cmake --build "$build" -j2 --target tavrin >/dev/null
  exec "$root/tests/e2e/x11-session.sh" "$0" --inside "$build/tavrin"
fi

bin=$2
mkdir -p "$XDG_CONFIG_HOME/tavrin"
printf '<?xml version="1.0" encoding="UTF-8"?>\n<plist version="1.0"><dict><key>firstRun</key><integer>1</integer></dict></plist>\n' \
  >"$XDG_CONFIG_HOME/tavrin/settings.plist"
"$bin" >/dev/null 2>&1 &
pid=$!
until "$bin" list --limit 1 >/dev/null 2>&1; do sleep 0.05; done
"$bin" show
service="io.tavrin.Tavrin.display_${DISPLAY#:}"
text="$TAVRIN_E2E_SESSION/text"
pings="$TAVRIN_E2E_SESSION/pings"

ping_loop() {
  while true; do
    local t0 t1
    t0=$(date +%s%N)
    dbus-send --session --print-reply --dest="$service" /io/tavrin/Tavrin/Control \
      io.tavrin.Tavrin.Control.IsPaused >/dev/null
    t1=$(date +%s%N)
    echo $(((t1 - t0) / 1000)) >>"$pings"
  done
}

# Median of the idle pings first: the cost of a call itself.
: >"$pings"
ping_loop &
pinger=$!
sleep 2
kill "$pinger"; wait "$pinger" 2>/dev/null || true
echo "idle IsPaused: median $(sort -n "$pings" | awk '{a[NR]=$1} END {print int(a[int((NR+1)/2)]/1000)}') ms," \
  "slowest $(sort -n "$pings" | tail -1 | awk '{print int($1/1000)}') ms"

for mb in 1 16 48; do
  bytes=$((mb * 1000 * 1000))
  [ "$mb" -eq 48 ] && bytes=$((48 * 1024 * 1024))
  # base64 ends on SIGPIPE once head has its bytes.
  head -c "$bytes" /dev/urandom | base64 -w 200 | head -c "$bytes" >"$text" || true
  for run in 1 2 3; do
    : >"$pings"
    ping_loop &
    pinger=$!
    sleep 0.3
    t0=$(date +%s%N)
    "$bin" add - <"$text"
    t1=$(date +%s%N)
    sleep 0.3
    kill "$pinger"; wait "$pinger" 2>/dev/null || true
    echo "text=${mb}MB run=$run add_ms=$(((t1 - t0) / 1000000)) slowest_IsPaused_ms=$(sort -n "$pings" | tail -1 | awk '{print int($1/1000)}') calls=$(wc -l <"$pings")"
  done
done
"$bin" quit
