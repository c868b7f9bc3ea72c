# Sourced by the compositor runners (sway-run.sh, kwin-run.sh): a private folder $work, removed
# at exit after the compositor (whose process id the runner puts in $compositor, and whose
# output it sends to $work/log) has been ended, and a wait for the compositor to be ready.

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

# The test runs on Qt's Wayland platform, without window decorations of Qt's own.
export QT_QPA_PLATFORM=wayland QT_WAYLAND_DISABLE_WINDOWDECORATION=1
