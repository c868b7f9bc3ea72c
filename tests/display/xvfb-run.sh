#!/usr/bin/env bash
# Runs a command on a private X server (Xvfb) of its own, for tests that need a real display.
# The server picks a free display number itself, so that tests can run side by side.
# Openbox manages the server's windows, as on a desktop, where focus and activation go through
# the window manager.
set -euo pipefail
command -v Xvfb >/dev/null || { echo "xvfb-run.sh: Xvfb is not installed" >&2; exit 1; }
command -v openbox >/dev/null || { echo "xvfb-run.sh: openbox is not installed" >&2; exit 1; }

# Waits up to five seconds for a file that a background process writes once it is ready.
wait_for() {
  local file=$1 process=$2 log=$3
  for _ in $(seq 100); do
    [[ -s "$file" ]] && return 0
    kill -0 "$process" 2>/dev/null || { cat "$log" >&2; exit 1; }
    sleep 0.05
  done
  [[ -s "$file" ]] || { echo "xvfb-run.sh: $(basename "$log" .log) did not start" >&2; exit 1; }
}

work=$(mktemp -d)
manager=
# -noreset keeps the server's keyboard configuration when its last client disconnects.
Xvfb -displayfd 3 -screen 0 1280x800x24 -noreset -nolisten tcp 3>"$work/display" 2>"$work/Xvfb.log" &
server=$!
trap 'kill $manager "$server" 2>/dev/null || true; wait $manager "$server" 2>/dev/null || true; rm -rf "$work"' EXIT
wait_for "$work/display" "$server" "$work/Xvfb.log"
export DISPLAY=":$(head -n1 "$work/display")"

# Openbox runs the startup command once it manages the screen. Its configuration and cache are
# the defaults, kept apart from the user's.
XDG_CONFIG_HOME="$work" XDG_CACHE_HOME="$work" \
  openbox --sm-disable --startup "sh -c 'echo ready >$work/openbox-ready'" >"$work/openbox.log" 2>&1 &
manager=$!
wait_for "$work/openbox-ready" "$manager" "$work/openbox.log"

# No D-Bus session either: without an address libdbus would autolaunch a bus daemon for the
# private display, which outlives the test (or, where it cannot start, leaks).
DBUS_SESSION_BUS_ADDRESS="unix:path=$work/no-bus" QT_QPA_PLATFORM=xcb "$@"
