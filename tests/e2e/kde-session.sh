#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command inside a private headless KDE Plasma Wayland session: KWin on its virtual backend (software
# rendering, one 1280x800 output; it also serves KDE's global shortcuts, org.kde.kglobalaccel), its own D-Bus session
# bus on which the desktop portal (xdg-desktop-portal with its KDE part) starts on demand, and private XDG folders
# (unless TAVRIN_SESSION_KEEP_FILES=1). The command gets WAYLAND_DISPLAY, XDG_CURRENT_DESKTOP=KDE and no DISPLAY.
# Everything started here is stopped again when the command ends, and its exit status is passed on.
set -euo pipefail
source "$(dirname "$0")/session-common.sh"

run_unprivileged "$0" "$@"

open_session tavrin-kde
unset DISPLAY WAYLAND_DISPLAY WAYLAND_SOCKET SWAYSOCK
export XDG_CURRENT_DESKTOP=KDE XDG_SESSION_TYPE=wayland
# The command's Qt platform (tests run offscreen) is not the desktop's: KWin and the programs the bus starts (the
# portal's KDE part draws its dialogs on the compositor) get their own.
command_qpa=${QT_QPA_PLATFORM-}
unset QT_QPA_PLATFORM

start_session_bus

# kwin_wayland carries a file capability (CAP_SYS_RESOURCE) that an unprivileged user in a container may not be
# given: a plain copy has none. KWin finds its plugins by its name, so the copy keeps it.
mkdir -p "$session/bin"
cp "$(command -v kwin_wayland)" "$session/bin/kwin_wayland"

setsid "$session/bin/kwin_wayland" --virtual --width 1280 --height 800 --socket wayland-kde --no-lockscreen \
  >"$session/kwin.log" 2>&1 &
kwin=$!
pids+=("$kwin")

has_object() {
  dbus-send --session --print-reply --dest="$1" "$2" org.freedesktop.DBus.Introspectable.Introspect >/dev/null 2>&1
}

# KWin is ready once its socket is there and its scripting and shortcut services answer on the bus.
ready=""
for _ in $(seq 150); do
  kill -0 "$kwin" 2>/dev/null || break
  if [ -S "$XDG_RUNTIME_DIR/wayland-kde" ] && has_object org.kde.KWin /Scripting \
    && has_object org.kde.kglobalaccel /kglobalaccel; then
    ready=1
    break
  fi
  sleep 0.1
done
if [ -z "$ready" ]; then
  echo "kwin_wayland did not start:" >&2
  cat "$session/kwin.log" >&2
  exit 1
fi
export WAYLAND_DISPLAY=wayland-kde
# The portal, started on demand by the bus, finds the compositor through the bus's activation environment.
dbus-update-activation-environment WAYLAND_DISPLAY XDG_CURRENT_DESKTOP XDG_SESSION_TYPE XDG_RUNTIME_DIR \
  QT_QPA_PLATFORM=wayland
[ -n "$command_qpa" ] && export QT_QPA_PLATFORM="$command_qpa"

run_session_command "$@"
