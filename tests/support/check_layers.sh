#!/usr/bin/env bash
# Fails when an include runs from a lower layer to a higher one:
#   platform < case, prefs < engine < shell < windows < app
# Core code (outside ui/ folders) never includes a window header, and only
# src/app and main.cpp include the program's assembly.
set -u
src=${1:?source folder}
cd "$src" || exit 2
windows='express|income|business|results|alimony|worksheet|casefile|affidavit|tools|calculators|screenimage'
fail=0
check() {  # check <folder> <forbidden include regex> <why>
  local hits
  hits=$(grep -rnE "#include \"($2)/" "$1" 2>/dev/null)
  if [ -n "$hits" ]; then
    printf '%s\n%s\n\n' "$3" "$hits"
    fail=1
  fi
}
check platform "case|prefs|engine|shell|app|$windows" "The platform layer includes a higher layer:"
check case "prefs|engine|shell|app|$windows" "The case variables include a higher layer:"
check prefs "case|engine|shell|app|$windows" "The preferences include a higher layer:"
check engine "shell|app|$windows" "An engine includes a higher layer:"
check shell "app|$windows" "The shell includes a window or the assembly:"
for w in ${windows//|/ }; do
  [ -d "$w" ] && check "$w" "app" "A window subsystem includes the program's assembly:"
done
core=$(grep -rnE '#include "[a-z]+/(.+/)?ui/' --include=*.cpp --include=*.h . | grep -v '^\./[a-z]*/\(.*/\)\?ui/' | grep -v '^\./main\.cpp' | grep -v '^\./app/')
if [ -n "$core" ]; then
  printf 'Core code includes a window header:\n%s\n' "$core"
  fail=1
fi

exit $fail
