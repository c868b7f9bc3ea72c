#!/usr/bin/env bash
# Runs a command as a client of a private, headless KWin (KDE Plasma's compositor) with the
# keyboard layouts us, cz, de and ru, on a private session bus where KWin offers its keyboard
# layout service. Not part of the suite, since KWin brings some 540 MB of packages
# (apt-get install kwin-wayland); run by hand, for example:
#   tests/keyboards/desktops/kwin-run.sh build/dev/bin/TestKeyboardsOnDesktops
set -euo pipefail
command -v kwin_wayland >/dev/null || { echo "kwin-run.sh: kwin_wayland is not installed" >&2; exit 1; }
if [[ -z "${LEXMINT_KWIN_BUS:-}" ]]; then
  LEXMINT_KWIN_BUS=1 exec dbus-run-session -- "$0" "$@"
fi

source "$(dirname "$0")/compositor-common.sh"
mkdir -p "$work/config" "$work/runtime"
chmod 700 "$work/runtime"
printf '[Layout]\nLayoutList=us,cz,de,ru\nUse=true\n' >"$work/config/kxkbrc"
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" HOME="$work"
unset DISPLAY WAYLAND_DISPLAY SWAYSOCK

# The installed binary carries a file capability, which a container may refuse to grant; a copy
# has none. KWin loads its own Qt platform plugin only into a program of its own name.
kwin=$(command -v kwin_wayland)
if ! "$kwin" --version >/dev/null 2>&1; then
  mkdir "$work/bin" && cp "$kwin" "$work/bin/kwin_wayland" && kwin="$work/bin/kwin_wayland"
fi
# KWin offers its fake-input protocol, through which the test presses keys, only to programs it
# trusts; this private compositor trusts every client.
KWIN_WAYLAND_NO_PERMISSION_CHECKS=1 "$kwin" --virtual --socket wayland-lexmint --no-lockscreen --no-global-shortcuts >"$work/log" 2>&1 &
compositor=$!

kwin_up() {
  [[ -S "$work/runtime/wayland-lexmint" ]] && dbus-send --session --print-reply \
    --dest=org.freedesktop.DBus / org.freedesktop.DBus.NameHasOwner string:org.kde.keyboard \
    2>/dev/null | grep -q true
}
wait_until kwin_up

WAYLAND_DISPLAY=wayland-lexmint \
  LEXMINT_BUILD_DATA="${LEXMINT_BUILD_DATA:-$(dirname "$1")/../share/lexmint}" "$@"
