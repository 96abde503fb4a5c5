#!/usr/bin/env bash
# tests/display/run.sh [--gtest_filter=...]
# Runs build/korvo_display_tests on an X display of its own (Xvfb, 1600x1000)
# with the openbox window manager, then stops both. Arguments go to the tests.
set -euo pipefail
cd "$(dirname "$0")/../.."
tests=build/korvo_display_tests
[ -x "$tests" ] || { echo "build $tests first (cmake --build build)" >&2; exit 2; }

work=$(mktemp -d)
pids=()
cleanup() {
  local pid
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display number itself and writes it to the pipe.
mkfifo "$work/display"
Xvfb -displayfd 3 -screen 0 1600x1000x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
read -r number <"$work/display" || true
if [ -z "${number:-}" ]; then
  cat "$work/xvfb.log" >&2
  echo "Xvfb did not start" >&2
  exit 2
fi
export DISPLAY=":$number"

openbox --sm-disable >"$work/openbox.log" 2>&1 &
pids+=($!)
# The window manager is ready once it names itself on the root window.
for _ in $(seq 1 600); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  kill -0 "${pids[1]}" 2>/dev/null || { cat "$work/openbox.log" >&2; echo "openbox did not start" >&2; exit 2; }
  sleep 0.1
done
xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' || { echo "openbox never became ready" >&2; exit 2; }

export NO_AT_BRIDGE=1
"$tests" "$@"
