#!/usr/bin/env bash
# Every file the index of docs/ARCHITECTURE.md names must exist: paths in the module and window
# indexes are below src/, those in the table of helpers below the folder of their row.
set -euo pipefail
cd "$(dirname "$0")/.."
doc=docs/ARCHITECTURE.md
missing=0
check() {
  if [ ! -f "$1" ]; then
    echo "$doc names $1, which does not exist" >&2
    missing=1
  fi
}
section=""
while IFS= read -r line; do
  case "$line" in
    "## Module index"* | "## Window index"*) section=index ;;
    "## Helpers by folder"*) section=helpers ;;
    "## "*) section="" ;;
  esac
  [[ "$line" == "|"* ]] || continue
  mapfile -t names < <(grep -oE '`[^`]+`' <<<"$line" | tr -d '`')
  [ ${#names[@]} -gt 0 ] || continue
  if [ "$section" = index ]; then
    for n in "${names[@]}"; do
      [[ "$n" == *.h || "$n" == *.cpp ]] && check "src/$n"
    done
  elif [ "$section" = helpers ]; then
    folder=${names[0]}
    for n in "${names[@]:1}"; do
      [[ "$n" == *.h || "$n" == *.cpp ]] && check "src/$folder$n"
    done
  fi
done <"$doc"
exit $missing
