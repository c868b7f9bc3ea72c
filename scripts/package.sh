#!/usr/bin/env bash
# Builds the Debian package into build/package/ (lexmint_<version>_<arch>.deb).
# Install it with: sudo apt install ./build/package/lexmint_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --package
cmake -S . -B build/package -G Ninja -DCMAKE_BUILD_TYPE=Release -DLEXMINT_BUILD_TESTS=OFF \
  -DCMAKE_INSTALL_PREFIX=/usr
cmake --build build/package
(cd build/package && cpack -G DEB)
ls build/package/*.deb
