#!/usr/bin/env bash
# Every #include "..." of a file under src/ must name a file of its own library or of a library
# it links (directly or through others), as src/CMakeLists.txt declares them. So no include runs
# from a lower library to a higher one, and no header stands in for a missing link.
set -euo pipefail
cd "$(dirname "$0")/.."
lists=src/CMakeLists.txt

declare -A lib_of_dir deps_of closure
# One line per call: tolvar_library(NAME DIRS ... DEPS ...), target_link_libraries(NAME ...) and
# add_executable(NAME main.cpp), with continuation lines joined.
calls=$(awk '
  /^[[:space:]]*(tolvar_library|target_link_libraries|add_executable)\(/ { call = ""; open = 1 }
  open { call = call " " $0; if ($0 ~ /\)/) { print call; open = 0 } }
' "$lists" | tr '()' '  ' | sed 's/^ *//')

while read -r kind name rest; do
  case "$kind" in
    tolvar_library)
      mode=""
      for word in $rest; do
        case "$word" in
          DIRS | DEPS) mode=$word ;;
          *)
            if [ "$mode" = DIRS ]; then lib_of_dir[$word]=$name
            elif [[ "$word" == tolvar_* ]]; then deps_of[$name]+=" $word"; fi ;;
        esac
      done ;;
    target_link_libraries)
      for word in $rest; do
        [[ "$word" == tolvar_* && "$word" != tolvar_warnings ]] && deps_of[$name]+=" $word"
      done ;;
    add_executable)
      for word in $rest; do [[ "$word" == *.cpp ]] && lib_of_dir[$(dirname "$word")]=$name; done ;;
  esac
done <<<"$calls"

# The libraries a library may include from: itself and everything it links.
reach() {
  local seen=" $1 " todo=("$1") lib dep
  while [ ${#todo[@]} -gt 0 ]; do
    lib=${todo[0]}
    todo=("${todo[@]:1}")
    for dep in ${deps_of[$lib]:-}; do
      [[ "$seen" == *" $dep "* ]] && continue
      seen+="$dep "
      todo+=("$dep")
    done
  done
  echo "$seen"
}
for dir in "${!lib_of_dir[@]}"; do
  lib=${lib_of_dir[$dir]}
  [ -n "${closure[$lib]:-}" ] || closure[$lib]=$(reach "$lib")
done

declare -A exists
while IFS= read -r file; do exists[${file#src/}]=1; done < <(find src -name '*.h' -o -name '*.cpp')

bad=0
for rel in "${!exists[@]}"; do
  dir=${rel%/*}
  [ "$dir" = "$rel" ] && dir=.
  if [ -z "${lib_of_dir[$dir]:-}" ]; then
    echo "src/$rel: its folder belongs to no library in $lists" >&2
    bad=1
  fi
done
# Lines "src/<file>:<included path>" for every quoted include.
while IFS=: read -r file inc; do
  rel=${file#src/}
  dir=${rel%/*}
  [ "$dir" = "$rel" ] && dir=.
  lib=${lib_of_dir[$dir]:-}
  [ -n "$lib" ] && [ -n "${exists[$inc]:-}" ] || continue
  target=${lib_of_dir[${inc%/*}]:-}
  if [[ -n "$target" && "${closure[$lib]}" != *" $target "* ]]; then
    echo "$file ($lib) includes $inc ($target), which $lib does not link" >&2
    bad=1
  fi
done < <(grep -rE --include='*.h' --include='*.cpp' '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' src |
         sed -E 's/^([^:]*):[[:space:]]*#[[:space:]]*include[[:space:]]*"([^"]*)".*/\1:\2/')
exit $bad
