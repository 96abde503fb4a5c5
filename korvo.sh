#!/usr/bin/env bash
# ./korvo.sh [FILE...]   install what is missing, build, start Korvo on FILEs
# ./korvo.sh test        install what is missing, build, run every test headless
set -euo pipefail
# File arguments name files from where the script was started.
arguments=()
for argument in "$@"; do
  case "$argument" in
    /*|test) arguments+=("$argument") ;;
    *) arguments+=("$PWD/$argument") ;;
  esac
done
cd "$(dirname "$0")"

packages=(cmake make g++ clang qt6-base-dev libqscintilla2-qt6-dev libgtest-dev fonts-dejavu-core)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update
  apt-get install -y --no-install-recommends "${missing[@]}"
fi

[ -f build/CMakeCache.txt ] || cmake -S . -B build
cmake --build build -j "$(nproc)"

if [ "${1:-}" = "test" ]; then
  (cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)")
  # The fuzz targets, for a bounded time each, in their own clang build.
  [ -f build-fuzz/CMakeCache.txt ] || cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DKORVO_FUZZ=ON
  cmake --build build-fuzz -j "$(nproc)" --target korvo-model-fuzzer
  mkdir -p build-fuzz/corpus/model
  ASAN_OPTIONS=detect_leaks=0 QT_QPA_PLATFORM=offscreen \
    build-fuzz/korvo-model-fuzzer -max_total_time="${KORVO_FUZZ_SECONDS:-60}" -max_len=512 build-fuzz/corpus/model
else
  exec build/korvo "${arguments[@]}"
fi
