#!/usr/bin/env bash
# ./korvo.sh [FILE...]   install what is missing, build, start Korvo on FILEs
# ./korvo.sh test        install what is missing, build, run every test headless: the plain
#                        build, the same suite under AddressSanitizer and
#                        UndefinedBehaviorSanitizer (build-sanitize/), each fuzz target
#                        for a fixed number of inputs from a fixed seed (tests/fuzz/run.sh,
#                        build-fuzz/), and the real-display tests under Xvfb with openbox
#                        (tests/display/run.sh)
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

packages=(cmake make g++ clang qt6-base-dev libqscintilla2-qt6-dev libgtest-dev fonts-dejavu-core
          xvfb openbox xdotool x11-utils)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update
  apt-get install -y --no-install-recommends "${missing[@]}"
fi

# Under CI a warning fails the build.
werror=()
[ "${CI:-}" = "true" ] && werror=(-DKORVO_WERROR=ON)
[ -f build/CMakeCache.txt ] || cmake -S . -B build "${werror[@]}"
cmake --build build -j "$(nproc)"

if [ "${1:-}" = "test" ]; then
  [ -f build-sanitize/CMakeCache.txt ] || cmake -S . -B build-sanitize -DKORVO_SANITIZE=ON "${werror[@]}" >/dev/null
  cmake --build build-sanitize -j "$(nproc)"
  tests/fuzz/run.sh
  (cd build-sanitize && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)")
  (cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)")
  tests/display/run.sh
else
  exec build/korvo "${arguments[@]}"
fi
