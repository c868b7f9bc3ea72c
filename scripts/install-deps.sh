#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Lex Mint need.
set -euo pipefail
packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libqt6sql6-sqlite libsqlite3-dev sqlite3
  qt6-tools-dev qt6-tools-dev-tools qt6-documentation-tools qt6-svg-dev libqt6svg6
  libgl-dev libx11-dev fonts-dejavu-core
)
if [[ "${1:-}" == "--tests" ]]; then
  packages+=(xvfb xauth x11-xkb-utils libxtst-dev libbenchmark-dev)
fi
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
