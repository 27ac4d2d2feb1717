#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command inside a private X11 desktop: Xvfb on a free display (1280x800, or TAVRIN_SESSION_SCREEN
# such as 2560x1600x24), its own D-Bus session bus, openbox as window manager (its process id in
# TAVRIN_SESSION_WM_PID), trayer as tray host (in TAVRIN_SESSION_TRAY_PID), and private XDG folders (unless
# TAVRIN_SESSION_KEEP_FILES=1).
# Everything started here is stopped again when the command ends, and its exit status is passed on.
set -euo pipefail
source "$(dirname "$0")/session-common.sh"

if [ $# -eq 0 ]; then
  echo "usage: $0 command [args...]" >&2
  exit 2
fi

open_session tavrin-e2e

# -displayfd picks a free display number and tells us which one. Two sessions starting at the same moment
# can pick the same number, and the later Xvfb then gives up: start it again.
exec {fd}<> <(:)
display=""
for attempt in 1 2 3 4 5; do
  setsid Xvfb -displayfd "$fd" -screen 0 "${TAVRIN_SESSION_SCREEN:-1280x800x24}" -nolisten tcp -noreset >"$session/xvfb.log" 2>&1 &
  xvfb=$!
  for _ in $(seq 100); do
    if read -r -t 0.1 -u "$fd" display && [ -n "$display" ]; then break; fi
    kill -0 "$xvfb" 2>/dev/null || break
  done
  if [ -n "$display" ]; then
    pids+=("$xvfb")
    break
  fi
  kill "$xvfb" 2>/dev/null || true
  wait "$xvfb" 2>/dev/null || true
  sleep "0.$((RANDOM % 5 + 1))"
done
if [ -z "$display" ]; then
  echo "Xvfb did not start:" >&2
  cat "$session/xvfb.log" >&2
  exit 1
fi
export DISPLAY=":$display"

start_session_bus

setsid openbox --sm-disable >"$session/openbox.log" 2>&1 &
pids+=($!)
# Tests stall the window manager (SIGSTOP) to play a desktop under load.
export TAVRIN_SESSION_WM_PID=$!
setsid trayer --edge top --align right --widthtype request --height 24 --SetDockType true >"$session/trayer.log" 2>&1 &
pids+=($!)
export TAVRIN_SESSION_TRAY_PID=$!

# Wait until the window manager and the tray host are up.
for _ in $(seq 100); do
  # Whole outputs first: grep -q closing a pipe early would fail the check under pipefail.
  wm=$(xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null || true)
  tree=$(xwininfo -root -tree 2>/dev/null || true)
  if [[ "$wm" == *window* && "$tree" == *trayer* ]]; then break; fi
  sleep 0.1
done

run_session_command "$@"
