#!/usr/bin/env bash
# Every file the index of docs/ARCHITECTURE.md names must exist: paths in the module and window
# indexes are below src/, those in the table of helpers below the folder of their row.
# Every window class declared under src/ (`frm…`, `mdi…`) has its row in the window index.
# Every test file names the file it tests: tests/<folder>/<file>_test.cpp or
# tests/<folder>/<file>_<topic>_test.cpp, where src/<folder>/<file>.cpp or .h exists (for
# tests/shipped/, shipped/<file> is a file or folder of the shipped tree).
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
windows=()
while IFS= read -r line; do
  case "$line" in
    "## Module index"*) section=index ;;
    "## Window index"*) section=windows ;;
    "## Helpers by folder"*) section=helpers ;;
    "## "*) section="" ;;
  esac
  [[ "$line" == "|"* ]] || continue
  mapfile -t names < <(grep -oE '`[^`]+`' <<<"$line" | tr -d '`')
  [ ${#names[@]} -gt 0 ] || continue
  if [ "$section" = index ] || [ "$section" = windows ]; then
    if [ "$section" = windows ]; then
      cell=${line#|}
      cell=${cell%%|*}
      windows+=("$(xargs <<<"$cell")")
    fi
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

while IFS= read -r window; do
  if [[ " ${windows[*]} " != *" $window "* ]]; then
    echo "the window class $window (src/) has no row in the window index of $doc" >&2
    missing=1
  fi
done < <(grep -rhoE '^[[:space:]]*class[[:space:]]+(frm|mdi)[A-Za-z0-9_]+' src | awk '{print $2}' | sort -u)

names_source() {
  local folder=$1 name=$2
  while :; do
    if [ "$folder" = shipped ]; then
      [ -e "shipped/$name" ] && return 0
    else
      [ -f "src/$folder/$name.cpp" ] || [ -f "src/$folder/$name.h" ] && return 0
    fi
    [[ "$name" == *_* ]] || return 1
    name=${name%_*}
  done
}
while IFS= read -r test; do
  rel=${test#tests/}
  if ! names_source "$(dirname "$rel")" "$(basename "$rel" _test.cpp)"; then
    echo "$test names no source file: call it tests/<folder>/<file>_test.cpp or <file>_<topic>_test.cpp" >&2
    missing=1
  fi
done < <(find tests -name '*_test.cpp' ! -path 'tests/support/*' | sort)
exit $missing
