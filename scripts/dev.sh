#!/usr/bin/env bash
# Installs what is missing on a Debian 12 machine, builds, and then
#   run   starts the program
#   test  runs every test (under the sanitizers) and prints the benchmark figures
# JOBS=n sets how many compilers and tests run at once (default: every core).
set -euo pipefail
cd "$(dirname "$0")/.."

jobs=${JOBS:-$(nproc)}
if [[ ! "$jobs" =~ ^[0-9]+$ ]] || (( 10#$jobs < 1 )); then
  echo "JOBS must be a whole number of at least 1, not \"$jobs\"" >&2
  exit 2
fi

packages=(g++ cmake ninja-build ccache pkg-config qt6-base-dev libgtest-dev libgmock-dev
          libbenchmark-dev fonts-wine poppler-utils xvfb xauth)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}"
fi

case "${1:-run}" in
  run)
    cmake --preset app >/dev/null
    cmake --build --preset app -j "$jobs"
    exec build/app/src/kelvane
    ;;
  test)
    cmake --preset test >/dev/null
    cmake --build --preset test -j "$jobs"
    ctest --preset test -j "$jobs"
    cmake --preset app >/dev/null
    cmake --build --preset app -j "$jobs"
    for b in build/app/bench/bench_*; do
      [ -f "$b" ] && [ -x "$b" ] || continue
      echo "== ${b##*/}"
      QT_QPA_PLATFORM=offscreen "$b" --benchmark_min_time=0.05
    done
    ;;
  *)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
