#!/usr/bin/env bash
# Installs what Lex Mint needs, builds a release, installs it into ./prefix and starts it.
# Arguments are passed on to the program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset release
cmake --build --preset release
cmake --install build/release --prefix "$PWD/prefix"
if [[ -x prefix/bin/lexmint ]]; then
  exec prefix/bin/lexmint "$@"
fi
echo "Built and installed into $PWD/prefix."
