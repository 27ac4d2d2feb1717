# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the private desktop sessions (x11-session.sh, wayland-session.sh); sourced, not run.

# Exits with the usage when no command was given. As root, runs the script again as nobody: sway refuses root, and
# tests that must meet permission failures need an unprivileged user. The home is set inside the session's folder.
# Call it as: run_unprivileged "$0" "$@"
run_unprivileged() {
  if [ $# -lt 2 ]; then
    echo "usage: $1 command [args...]" >&2
    exit 2
  fi
  if [ "$(id -u)" -eq 0 ]; then
    exec setpriv --reuid=65534 --regid=65534 --clear-groups env HOME=/nonexistent "$@"
  fi
}

# Makes the session's folder ($session) with a private runtime folder and, for tests, private XDG folders, home and
# the English language (a user's own session, TAVRIN_SESSION_KEEP_FILES=1, keeps their settings, history and
# language), and arranges that on exit every process in `pids` is stopped and the folder removed.
open_session() {
  session=$(mktemp -d "${TMPDIR:-/tmp}/$1.XXXXXX")
  pids=()
  trap close_session EXIT
  mkdir -p "$session/config" "$session/data" "$session/runtime" "$session/home"
  chmod 700 "$session/runtime"
  export XDG_RUNTIME_DIR="$session/runtime"
  if [ "${TAVRIN_SESSION_KEEP_FILES:-}" != 1 ]; then
    export XDG_CONFIG_HOME="$session/config" XDG_DATA_HOME="$session/data"
    export HOME="$session/home"
    # The tests read the program's English texts; a test of another language sets its own.
    export LANG=C.UTF-8
    unset LANGUAGE LC_ALL LC_MESSAGES
  fi
  export TAVRIN_E2E_SESSION="$session"
}

close_session() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  rm -rf "$session"
}

# Starts a private D-Bus session bus and exports its address.
start_session_bus() {
  local bus
  bus=$(dbus-daemon --session --fork --print-address=1 --print-pid=1 --nopidfile)
  export DBUS_SESSION_BUS_ADDRESS=$(echo "$bus" | sed -n 1p)
  pids+=("$(echo "$bus" | sed -n 2p)")
}

# Runs the command and exits with its status. The desktop's programs run in sessions of their own, so Ctrl+C
# reaches only the command; a signal sent to the script is passed on to the command, and the desktop goes once it
# has ended.
run_session_command() {
  "$@" &
  command_pid=$!
  trap 'kill -TERM "$command_pid" 2>/dev/null || true' INT TERM
  set +e
  while true; do
    wait "$command_pid"
    status=$?
    kill -0 "$command_pid" 2>/dev/null || break
  done
  set -e
  exit $status
}
