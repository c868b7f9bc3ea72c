#!/usr/bin/env bash
# Runs a command on a private X server (Xvfb) of its own, for tests that need a real display.
# The server picks a free display number itself, so that tests can run side by side.
set -euo pipefail
command -v Xvfb >/dev/null || { echo "xvfb-run.sh: Xvfb is not installed" >&2; exit 1; }

work=$(mktemp -d)
# -noreset keeps the server's keyboard configuration when its last client disconnects.
Xvfb -displayfd 3 -screen 0 1280x800x24 -noreset -nolisten tcp 3>"$work/display" 2>"$work/log" &
server=$!
trap 'kill "$server" 2>/dev/null || true; wait "$server" 2>/dev/null || true; rm -rf "$work"' EXIT

for _ in $(seq 100); do
  [[ -s "$work/display" ]] && break
  kill -0 "$server" 2>/dev/null || { cat "$work/log" >&2; exit 1; }
  sleep 0.05
done
[[ -s "$work/display" ]] || { echo "xvfb-run.sh: Xvfb did not start" >&2; exit 1; }

# No D-Bus session either: without an address libdbus would autolaunch a bus daemon for the
# private display, which outlives the test (or, where it cannot start, leaks).
DISPLAY=":$(head -n1 "$work/display")" DBUS_SESSION_BUS_ADDRESS="unix:path=$work/no-bus" \
  QT_QPA_PLATFORM=xcb "$@"
