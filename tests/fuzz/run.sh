#!/usr/bin/env bash
# tests/fuzz/run.sh [SECONDS]   builds the fuzz targets (clang, libFuzzer, AddressSanitizer
# and UndefinedBehaviorSanitizer) in build-fuzz/: korvo-document-fuzzer first runs every seed
# whole, then fuzzes inputs of up to 8 KiB for SECONDS (60 unless given); korvo-model-fuzzer
# (typed lines, from tests/fuzz/seeds-model) and korvo-edit-fuzzer (edits through the
# notification handler against a fresh parse after each, from tests/fuzz/edit-seeds) fuzz
# for SECONDS each too. Any crash, leak, sanitizer report or model that differs from a fresh
# parse fails the run and the input that caused it is printed; so does a target whose inputs
# miss a function it is there to test.
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds="${1:-60}"
build=build-fuzz
seeds=tests/fuzz/seeds
model_seeds=tests/fuzz/seeds-model
log="$build/fuzz.log"

werror=()
[ "${CI:-}" = "true" ] && werror=(-DKORVO_WERROR=ON)
[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DKORVO_FUZZ=ON "${werror[@]}" >/dev/null
cmake --build "$build" -j "$(nproc)" --target korvo-document-fuzzer korvo-model-fuzzer korvo-edit-fuzzer
mkdir -p "$build/corpus/document" "$build/corpus/model" "$build/corpus/edit" "$build/crashes"
rm -f "$build/crashes/"*
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=1:quarantine_size_mb=64:${ASAN_OPTIONS:-}"
export UBSAN_OPTIONS="print_stacktrace=1:${UBSAN_OPTIONS:-}"
export LSAN_OPTIONS="suppressions=$PWD/tests/fuzz/lsan.supp:print_suppressions=0:${LSAN_OPTIONS:-}"
: >"$log"

failed() {
  grep -E -A40 "ERROR: (Address|Leak|libFuzzer)|runtime error:" "$log" | head -80 || tail -40 "$log"
  if [ -z "${1:-}" ] || [ ! -f "$1" ]; then
    echo "fuzz: FAILED, see $log"
  else
    echo "fuzz: FAILED on the input $1 ($(wc -c <"$1") bytes), its first 1024 bytes:"
    head -c 1024 "$1" | od -A d -c
  fi
  exit 1
}

# Runs a fuzz target for the given time with the options after it.
fuzz() {
  local target="$1"
  shift
  "$build/$target" -max_total_time="$seconds" -timeout=30 -rss_limit_mb=4096 -print_final_stats=1 \
    -artifact_prefix="$build/crashes/" "$@" >>"$log" 2>&1 || failed "$(ls "$build/crashes/"* 2>/dev/null | head -1)"
  echo "fuzz: $target ran $(grep -o 'stat::number_of_executed_units: [0-9]*' "$log" | tail -1 | grep -o '[0-9]*$')" \
    "inputs in $seconds s: no crash, leak or sanitizer report"
}

# Replays a target's corpus once and fails unless the coverage it prints names each
# function given (a name as the symbolizer prints it, up to its argument list).
covers() {
  local target="$1" corpus="$2"
  shift 2
  local coverage="$build/coverage-$target.txt"
  "$build/$target" -runs=0 -print_coverage=1 "$corpus" >"$coverage" 2>&1 || failed
  for function in "$@"; do
    grep -qE "^COVERED_FUNC: hits: [1-9][0-9]* .* $function\(" "$coverage" || {
      echo "fuzz: $target never reached $function (see $coverage)"
      exit 1
    }
  done
  echo "fuzz: $target reaches $*"
}

"$build/korvo-document-fuzzer" "$seeds"/* >>"$log" 2>&1 ||
  failed "$(grep -o "^Running: .*" "$log" | tail -1 | cut -d' ' -f2-)"
fuzz korvo-document-fuzzer -max_len=8192 -dict=tests/fuzz/blitz.dict "$build/corpus/document" "$seeds"
fuzz korvo-model-fuzzer -max_len=512 "$build/corpus/model" "$model_seeds"
fuzz korvo-edit-fuzzer -max_len=1024 -len_control=0 "$build/corpus/edit" tests/fuzz/edit-seeds
covers korvo-document-fuzzer "$seeds" OpenFile ParseFile DumpModel ReColorLine UnParseFile
covers korvo-model-fuzzer "$model_seeds" OpenFile Parseline UnparseLine DumpModel
covers korvo-edit-fuzzer tests/fuzz/edit-seeds OpenFile Parseline DumpModel
