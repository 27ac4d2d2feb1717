#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command inside a private headless GNOME Shell on Wayland (mutter's virtual monitor, 1280x800), with its own
# D-Bus session bus, a second bus standing in for the system bus (the Shell aborts without one where systemd's seats
# exist), dconf settings and XDG folders of its own. The session's own extension (gnome-test-extension/) leaves the
# Overview once the Shell has started, as a user would, and lets the test ask the Shell about its windows. Extensions
# named by TAVRIN_GNOME_EXTENSIONS (folders, each named by its UUID, separated by ':') are installed for the user
# and enabled with it before the Shell starts, since the Shell reads extensions only when it starts. The command gets WAYLAND_DISPLAY, XDG_CURRENT_DESKTOP=GNOME and no
# DISPLAY. Everything started here is stopped again when the command ends, and its exit status is passed on.
set -euo pipefail
source "$(dirname "$0")/session-common.sh"

if [ $# -eq 0 ]; then
  echo "usage: $0 command [args...]" >&2
  exit 2
fi

if ! command -v gnome-shell >/dev/null; then
  echo "gnome-shell is not installed: no GNOME session can be started" >&2
  exit 77
fi

if [ "$(id -u)" -eq 0 ]; then
  # Desktops are run as a user, as everywhere else; its home is set below, inside the session's folder.
  exec setpriv --reuid=65534 --regid=65534 --clear-groups env HOME=/nonexistent "$0" "$@"
fi

open_session tavrin-gnome
unset DISPLAY WAYLAND_DISPLAY WAYLAND_SOCKET
export XDG_SESSION_TYPE=wayland XDG_CURRENT_DESKTOP=GNOME GSETTINGS_BACKEND=dconf
export NO_AT_BRIDGE=1 GTK_A11Y=none

start_session_bus
system_bus=$(dbus-daemon --session --fork --print-address=1 --print-pid=1 --nopidfile)
export DBUS_SYSTEM_BUS_ADDRESS=$(echo "$system_bus" | sed -n 1p)
pids+=("$(echo "$system_bus" | sed -n 2p)")

uuids=()
IFS=: read -r -a extensions <<<"${TAVRIN_GNOME_EXTENSIONS:-}"
extensions+=("$(cd "$(dirname "$0")" && pwd)/gnome-test-extension/tavrin-test@tavrin.io")
for extension in "${extensions[@]}"; do
  [ -n "$extension" ] || continue
  uuid=$(basename "$extension")
  mkdir -p "$XDG_DATA_HOME/gnome-shell/extensions"
  cp -r "$extension" "$XDG_DATA_HOME/gnome-shell/extensions/$uuid"
  uuids+=("'$uuid'")
done
enabled=$(IFS=,; echo "${uuids[*]}")
gsettings set org.gnome.shell disable-user-extensions false
gsettings set org.gnome.shell enabled-extensions "[$enabled]"
gsettings set org.gnome.desktop.interface enable-animations false

setsid gnome-shell --headless --wayland --no-x11 --virtual-monitor 1280x800 --wayland-display=wayland-tavrin \
  >"$session/gnome-shell.log" 2>&1 &
shell=$!
pids+=("$shell")

# The session is ready once the Shell has started and left the Overview: the test extension then owns its name.
ready=""
for _ in $(seq 300); do
  kill -0 "$shell" 2>/dev/null || break
  if dbus-send --session --print-reply --dest=org.freedesktop.DBus / org.freedesktop.DBus.NameHasOwner \
      string:io.tavrin.TavrinTestSession 2>/dev/null | grep -q "boolean true"; then
    ready=1
    break
  fi
  sleep 0.1
done
if [ -z "$ready" ]; then
  echo "gnome-shell did not start:" >&2
  cat "$session/gnome-shell.log" >&2
  exit 1
fi
export WAYLAND_DISPLAY=wayland-tavrin TAVRIN_GNOME_SHELL_LOG="$session/gnome-shell.log"

run_session_command "$@"
