#!/usr/bin/env bash
# Fails when the includes between folders of src/ run in a circle, at either
# grain: between folders (express/ui, express, affidavit/calc ...) and
# between subsystems (express, results, tools ...). Includes run one way: from
# the window that opens to the service it uses, through interfaces below both.
# src/app, which assembles the windows, includes every folder and is left out.
set -u
src=${1:?source folder}
cd "$src" || exit 2
edges=$(grep -rnoE '#include "[a-z]+(/[a-z]+)*/[A-Za-z0-9_]+\.h"' --include=*.cpp --include=*.h . |
  sed -E 's|^\./(.*)/[^/]+:[0-9]+:#include "(.*)/[^/]+"$|\1 \2|' |
  grep -v -E '^(app|\./)' | awk '$1 != $2' | sort -u)
subsystems=$(printf '%s\n' "$edges" | awk '{split($1, a, "/"); split($2, b, "/"); if (a[1] != b[1]) print a[1], b[1]}' | sort -u)
fail=0
for grain in folders subsystems; do
  if [ "$grain" = folders ]; then pairs=$edges; else pairs=$subsystems; fi
  loops=$(printf '%s\n' "$pairs" | tsort 2>&1 >/dev/null)
  if [ -n "$loops" ]; then
    printf 'The includes between %s run in a circle:\n%s\n\n' "$grain" "$loops"
    fail=1
  fi
done
exit $fail
