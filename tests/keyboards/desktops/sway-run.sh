#!/usr/bin/env bash
# Runs a command as a client of a private, headless sway whose keyboards have the layouts us, cz
# and de, for tests of keyboard switching on Wayland. The command gets WAYLAND_DISPLAY and
# SWAYSOCK. sway refuses to run as root, so as root both the compositor and the command run as
# the user "nobody".
set -euo pipefail
command -v sway >/dev/null || { echo "sway-run.sh: sway is not installed" >&2; exit 1; }

work=$(mktemp -d)
compositor=
cleanup() {
  [[ -n "$compositor" ]] && { kill "$compositor" 2>/dev/null || true; wait "$compositor" 2>/dev/null || true; }
  rm -rf "$work"
}
trap cleanup EXIT

# wait_until command...: runs the command until it succeeds, for ten seconds at most; fails,
# showing the compositor's output, when that time passes or the compositor ends first.
wait_until() {
  for _ in $(seq 200); do
    "$@" && return 0
    kill -0 "$compositor" 2>/dev/null || break
    sleep 0.05
  done
  "$@" && return 0
  echo "$(basename "$0"): the compositor did not come up" >&2
  cat "$work/log" >&2
  return 1
}

as_user=()
if [[ $(id -u) -eq 0 ]]; then
  as_user=(setpriv --reuid=nobody --regid="$(id -g nobody)" --clear-groups --)
  chown nobody: "$work"
  # The command must be reachable for that user; a build tree under a private folder is not.
  if ! "${as_user[@]}" test -x "$1"; then
    cp "$1" "$work/test" && chown nobody: "$work/test"
    set -- "$work/test" "${@:2}"
  fi
fi
chmod 700 "$work"
cat >"$work/config" <<'CONFIG'
xwayland disable
input type:keyboard xkb_layout us,cz,de
CONFIG
chmod 644 "$work/config"

export XDG_RUNTIME_DIR="$work" HOME="$work"
unset DISPLAY WAYLAND_DISPLAY SWAYSOCK DBUS_SESSION_BUS_ADDRESS
WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
  "${as_user[@]}" sway -c "$work/config" >"$work/log" 2>&1 &
compositor=$!

socket= display=
sockets_up() {
  socket=$(find "$work" -maxdepth 1 -name 'sway-ipc.*.sock' -print -quit)
  display=$(find "$work" -maxdepth 1 -type s -name 'wayland-*' -printf '%f\n' -quit)
  [[ -n "$socket" && -n "$display" ]]
}
wait_until sockets_up

WAYLAND_DISPLAY="$display" SWAYSOCK="$socket" "${as_user[@]}" "$@"
