#!/usr/bin/env bash
# The layers point one way. Configures the project afresh with --graphviz
# and fails when the libraries' link graph holds a cycle; then checks that
# the lower folders include only what lies at or below them (and the plain
# C++ ones no Qt at all).
#   check-layers.sh <cmake> <source dir> <work dir> <generator> <c++ compiler> <GUI ON|OFF>
set -euo pipefail
cmake=$1 source=$2 work=$3 generator=$4 compiler=$5 gui=$6
rm -rf "$work"
mkdir -p "$work"
failed=0

"$cmake" -S "$source" -B "$work/build" -G "$generator" -DCMAKE_CXX_COMPILER="$compiler" \
  -DQUARNEL_GUI="$gui" -DQUARNEL_TESTS=OFF -DQUARNEL_BENCH=OFF \
  --graphviz="$work/targets.dot" >"$work/configure.log" 2>&1 ||
  { cat "$work/configure.log"; exit 1; }

# "node3" [ label = "fw_ui" ... ];   "node3" -> "node5" ...
declare -A label
while read -r id name; do label[$id]=$name; done < <(
  sed -n 's/^ *"\(node[0-9]*\)" \[ label = "\([^"]*\)".*/\1 \2/p' "$work/targets.dot")
edges=$(sed -n 's/^ *"\(node[0-9]*\)" -> "\(node[0-9]*\)".*/\1 \2/p' "$work/targets.dot" |
  while read -r from to; do echo "${label[$from]} ${label[$to]}"; done)
if [ -z "$edges" ]; then
  echo "no dependencies found in $work/targets.dot"
  exit 1
fi
if ! order=$(tsort <<<"$edges" 2>"$work/tsort.log"); then
  echo "the libraries depend on each other in a cycle:"
  cat "$work/tsort.log"
  failed=1
fi

# Files, then the include prefixes they may use.
rules=(
  "framework/text" "framework/text/"
  "framework/base" "framework/base/ framework/text/"
  "core/calc" "core/calc/ core/version.h framework/text/"
  "framework/graphics" "framework/graphics/ framework/text/"
  "framework/date" "framework/date/ framework/text/"
  "framework/ui" "framework/ui/ framework/base/ framework/graphics/ framework/text/"
  "plot/linegraph" "plot/linegraph/ framework/graphics/ framework/base/ framework/text/ core/calc/"
  "core/app/menu core/app/pictures core/app/file_types core/app/startup_probe"
  "core/app/menu.h core/app/pictures.h core/app/file_types.h core/app/startup_probe.h framework/ core/calc/"
)
plain="framework/text framework/base core/calc"
cd "$source"
for ((i = 0; i < ${#rules[@]}; i += 2)); do
  read -ra allowed <<<"${rules[i + 1]}"
  for area in ${rules[i]}; do
    for file in $(ls -d "$area"/*.cpp "$area"/*.h "$area".cpp "$area".h 2>/dev/null); do
      while IFS= read -r included; do
        ok=0
        for prefix in "${allowed[@]}"; do [[ $included == "$prefix"* ]] && ok=1; done
        if [ $ok = 0 ]; then
          echo "$file includes \"$included\", which lies above it"
          failed=1
        fi
      done < <(sed -n 's/^#include "\([^"]*\)".*/\1/p' "$file")
    done
  done
done
for area in $plain; do
  if grep -n '^#include <Q' "$area"/*.cpp "$area"/*.h; then
    echo "$area is plain C++ and must not include Qt"
    failed=1
  fi
done

[ $failed = 0 ] && echo "the project's libraries, lowest first:" $(grep -v -e :: -e _resources_ <<<"$order" | tac)
exit $failed
