#!/usr/bin/env bash
# Formats every C++ file of the project with clang-format (.clang-format at the top).
# With --check it changes nothing and fails, naming the files, when one is not formatted.
set -euo pipefail
cd "$(dirname "$0")/.."
# The tracked files; outside a git work tree (an unpacked archive, a checkout git will not
# read as another user) the project's source folders.
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  mapfile -t files < <(git ls-files -- '*.cpp' '*.h')
else
  mapfile -t files < <(find src tests bench tools \( -name '*.cpp' -o -name '*.h' \) | sort)
fi
if [[ "${1:-}" == "--check" ]]; then
  unformatted=()
  for f in "${files[@]}"; do
    clang-format --dry-run --Werror "$f" >/dev/null 2>&1 || unformatted+=("$f")
  done
  if ((${#unformatted[@]})); then
    printf 'Not formatted (run scripts/format.sh): %s\n' "${unformatted[@]}" >&2
    exit 1
  fi
  echo "All ${#files[@]} files are formatted."
else
  clang-format -i "${files[@]}"
fi
