#!/usr/bin/env bash
# Every C++ file is in the style of .clang-format; names the files that differ and fails.
# With --fix, formats them in place.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files -- 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'bench/*.cpp' 'bench/*.h' \
  'shipped/*.cpp' 'shipped/*.h' 'cmake/*.cpp' 'cmake/*.h')
if [ "${1:-}" = "--fix" ]; then
  clang-format -i "${files[@]}"
  exit 0
fi
bad=()
for f in "${files[@]}"; do
  clang-format --dry-run --Werror "$f" >/dev/null 2>&1 || bad+=("$f")
done
if [ ${#bad[@]} -gt 0 ]; then
  printf '%s is not formatted (scripts/check_format.sh --fix formats it)\n' "${bad[@]}" >&2
  exit 1
fi
