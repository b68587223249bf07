#!/usr/bin/env bash
# The library's folders form layers: each may include only the folders listed after it here,
# so that no include cycle arises between them and the mesh work stays free of files' formats.
# Prints each include that crosses a layer the wrong way and fails if there is one.
set -euo pipefail
core="$(cd "$(dirname "$0")/../../src/core" && pwd)"
declare -A allowed=(
  [model]=""
  [measure]="model"
  [reduce/collapse]="model measure"
  [reduce]="model measure reduce/collapse"
  [io]=""
  [io/read]="io model"
  [io/write]="io io/read model"
  [update]=""
)
status=0
for folder in "${!allowed[@]}"; do
  for file in "$core/$folder"/*.h "$core/$folder"/*.cpp; do
    [ -e "$file" ] || continue
    while IFS= read -r included; do
      target="${included%/*}"
      [ "$target" = "$folder" ] && continue
      if [[ " ${allowed[$folder]} " != *" $target "* ]]; then
        echo "${file#"$core"/} includes $included"
        status=1
      fi
    done < <(sed -n 's/^#include "\([a-z/]*\/[A-Za-z]*\.h\)"$/\1/p' "$file")
  done
done
for file in "$core"/*/*.h "$core"/*/*.cpp "$core"/*/*/*.h "$core"/*/*/*.cpp; do
  [ -e "$file" ] || continue
  relative="${file#"$core"/}"
  [ -n "${allowed[${relative%/*}]+known}" ] || { echo "$relative is in a folder without a layer"; status=1; }
done
exit $status
