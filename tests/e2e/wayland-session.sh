#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command inside a private headless Wayland desktop: sway on the headless backend (software rendering, one
# 1280x800 output, swaybar as the tray host), its own D-Bus session bus and private XDG folders (unless
# TAVRIN_SESSION_KEEP_FILES=1). The command gets WAYLAND_DISPLAY and SWAYSOCK and no DISPLAY. Everything started
# here is stopped again when the command ends, and its exit status is passed on.
set -euo pipefail
source "$(dirname "$0")/session-common.sh"

run_unprivileged "$0" "$@"

open_session tavrin-wl
unset DISPLAY WAYLAND_DISPLAY WAYLAND_SOCKET SWAYSOCK
export XDG_CURRENT_DESKTOP=sway

start_session_bus

cat >"$session/sway.config" <<CONFIG
output HEADLESS-1 resolution 1280x800
xwayland ${TAVRIN_SESSION_XWAYLAND:-disable}
bar {
  tray_output *
  status_command none
}
CONFIG

WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman WLR_HEADLESS_OUTPUTS=1 \
  setsid sway -c "$session/sway.config" >"$session/sway.log" 2>&1 &
sway=$!
pids+=("$sway")

# The compositor is ready once both of its sockets exist.
socket=""
ipc=""
for _ in $(seq 100); do
  kill -0 "$sway" 2>/dev/null || break
  socket=$(cd "$XDG_RUNTIME_DIR" && ls wayland-* 2>/dev/null | grep -v '\.lock$' | head -1 || true)
  ipc=$(ls "$XDG_RUNTIME_DIR"/sway-ipc.*.sock 2>/dev/null | head -1 || true)
  if [ -n "$socket" ] && [ -n "$ipc" ]; then break; fi
  sleep 0.1
done
if [ -z "$socket" ] || [ -z "$ipc" ]; then
  echo "sway did not start:" >&2
  cat "$session/sway.log" >&2
  exit 1
fi
export WAYLAND_DISPLAY="$socket" SWAYSOCK="$ipc"

run_session_command "$@"
