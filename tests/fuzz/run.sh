#!/usr/bin/env bash
# tests/fuzz/run.sh            builds the fuzz targets (clang, libFuzzer, AddressSanitizer and
#                              UndefinedBehaviorSanitizer) in build-fuzz/, replays every seed of
#                              each, then fuzzes each for a fixed number of inputs from a fixed
#                              seed, starting from the committed seeds alone, so that neither the
#                              clock, the load nor an earlier run sets how much is tried. The
#                              test command runs this.
# tests/fuzz/run.sh SECONDS    the same replay, then fuzzes each target for SECONDS from a random
#                              seed, into corpus folders under build-fuzz/corpus/ that grow from
#                              run to run.
# korvo-document-fuzzer takes whole files of up to 8 KiB (tests/fuzz/seeds), korvo-model-fuzzer
# typed lines (tests/fuzz/seeds-model), korvo-edit-fuzzer edits through the notification handler
# against a fresh parse after each (tests/fuzz/edit-seeds). Any crash, leak, sanitizer report or
# model that differs from a fresh parse fails the run and the input that caused it is printed; so
# does a target whose inputs miss a function it is there to test.
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds="${1:-}"
build=build-fuzz
seeds=tests/fuzz/seeds
model_seeds=tests/fuzz/seeds-model
edit_seeds=tests/fuzz/edit-seeds
log="$build/fuzz.log"

# Inputs per target in the fixed run: about a minute each on an idle machine.
fixed_seed=49
document_runs=20000
model_runs=30000
edit_runs=1500

# Under CI a warning fails the build.
werror=()
[ "${CI:-}" = "true" ] && werror=(-DKORVO_WERROR=ON)
[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DKORVO_FUZZ=ON "${werror[@]}" >/dev/null
cmake --build "$build" -j "$(nproc)" --target korvo-document-fuzzer korvo-model-fuzzer korvo-edit-fuzzer
mkdir -p "$build/crashes"
rm -f "$build/crashes/"*
export QT_QPA_PLATFORM=offscreen
# Qt's hash tables are seeded at random otherwise, and their order steers what the targets run.
export QT_HASH_SEED=0
export ASAN_OPTIONS="detect_leaks=1:quarantine_size_mb=64:${ASAN_OPTIONS:-}"
export UBSAN_OPTIONS="print_stacktrace=1:${UBSAN_OPTIONS:-}"
export LSAN_OPTIONS="suppressions=$PWD/tests/fuzz/lsan.supp:print_suppressions=0:${LSAN_OPTIONS:-}"
: >"$log"

scratch=""
if [ -z "$seconds" ]; then
  scratch="$(mktemp -d)"
  trap 'rm -rf "$scratch"' EXIT
fi

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

# Runs every file of a seed folder through a target once.
replay() {
  local target="$1" folder="$2"
  "$build/$target" "$folder"/* >>"$log" 2>&1 || failed "$(grep -o "^Running: .*" "$log" | tail -1 | cut -d' ' -f2-)"
  echo "fuzz: $target replayed the $(ls "$folder" | wc -l) seeds of $folder"
}

# Fuzzes a target from its seeds with the options after them: for the given
# number of inputs from the fixed seed into a corpus of this run alone, or
# for SECONDS from a random seed into the corpus kept in build-fuzz/corpus/.
fuzz() {
  local target="$1" name="$2" seed_folder="$3" runs="$4"
  shift 4
  local corpus limit
  if [ -z "$seconds" ]; then
    corpus="$scratch/$name"
    limit=(-seed="$fixed_seed" -runs="$runs")
  else
    corpus="$build/corpus/$name"
    limit=(-max_total_time="$seconds")
  fi
  mkdir -p "$corpus"
  "$build/$target" "${limit[@]}" -timeout=120 -rss_limit_mb=4096 -print_final_stats=1 \
    -artifact_prefix="$build/crashes/" "$@" "$corpus" "$seed_folder" >>"$log" 2>&1 ||
    failed "$(ls "$build/crashes/"* 2>/dev/null | head -1)"
  local executed
  executed="$(grep -o 'stat::number_of_executed_units: [0-9]*' "$log" | tail -1 | grep -o '[0-9]*$')"
  if [ -z "$seconds" ]; then
    echo "fuzz: $target ran $executed inputs from seed $fixed_seed: no crash, leak or sanitizer report"
  else
    echo "fuzz: $target ran $executed inputs in $seconds s: no crash, leak or sanitizer report"
  fi
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

replay korvo-document-fuzzer "$seeds"
replay korvo-model-fuzzer "$model_seeds"
replay korvo-edit-fuzzer "$edit_seeds"
fuzz korvo-document-fuzzer document "$seeds" "$document_runs" -max_len=8192 -dict=tests/fuzz/blitz.dict
fuzz korvo-model-fuzzer model "$model_seeds" "$model_runs" -max_len=512
fuzz korvo-edit-fuzzer edit "$edit_seeds" "$edit_runs" -max_len=1024 -len_control=0
covers korvo-document-fuzzer "$seeds" OpenFile ParseFile DumpModel ReColorLine UnParseFile
covers korvo-model-fuzzer "$model_seeds" OpenFile Parseline UnparseLine DumpModel
covers korvo-edit-fuzzer "$edit_seeds" OpenFile Parseline DumpModel
