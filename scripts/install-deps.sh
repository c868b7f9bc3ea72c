#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Lex Mint need:
# no option for building and running, --tests for the tests too, --package for the package.
set -euo pipefail
packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libqt6sql6-sqlite libsqlite3-dev sqlite3 libicu-dev
  qt6-tools-dev qt6-tools-dev-tools qt6-documentation-tools qt6-svg-dev libqt6svg6
  qt6-charts-dev libqt6opengl6-dev
  libgl-dev libx11-dev fonts-dejavu-core
  libxkbregistry-dev xkb-data qt6-wayland
  qt6-l10n-tools qt6-translations-l10n
)
# Making the Debian package (scripts/package.sh) and checking it and the desktop metadata.
packaging=(dpkg-dev file appstream desktop-file-utils)
case "${1:-}" in
  --tests)
    packages+=(xvfb xauth x11-xkb-utils libxtst-dev openbox libbenchmark-dev clang-format
      sway libwayland-dev
      dbus-daemon dbus-session-bus-common python3-dbus python3-gi)
    packages+=("${packaging[@]}")
    ;;
  --package) packages+=("${packaging[@]}") ;;
esac
sudo_cmd=()
[[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  "${sudo_cmd[@]}" apt-get update
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi
