#!/usr/bin/env bash
# tests/fuzz/run.sh [SECONDS]   builds korvo-fuzz (clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) in build-fuzz/, runs every seed whole, then fuzzes for
# SECONDS (60 unless given) on inputs of up to 8 KiB; the seeds' overlong lines are tried
# whole only. Any crash, leak or sanitizer report fails the run and the input that caused
# it is printed.
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds="${1:-60}"
build=build-fuzz
seeds=tests/fuzz/seeds
log="$build/fuzz.log"

[ -f "$build/CMakeCache.txt" ] || CXX=clang++ cmake -S . -B "$build" -DKORVO_FUZZ=ON >/dev/null
cmake --build "$build" -j "$(nproc)" --target korvo-fuzz
mkdir -p "$build/corpus" "$build/crashes"
rm -f "$build/crashes/"*
export ASAN_OPTIONS="detect_leaks=1:quarantine_size_mb=64:${ASAN_OPTIONS:-}"
export UBSAN_OPTIONS="print_stacktrace=1:${UBSAN_OPTIONS:-}"

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

"$build/korvo-fuzz" "$seeds"/* >"$log" 2>&1 || failed "$(grep -o "^Running: .*" "$log" | tail -1 | cut -d' ' -f2-)"
"$build/korvo-fuzz" -max_total_time="$seconds" -max_len=8192 -timeout=30 -rss_limit_mb=4096 \
  -dict=tests/fuzz/blitz.dict -print_final_stats=1 -artifact_prefix="$build/crashes/" \
  "$build/corpus" "$seeds" >>"$log" 2>&1 || failed "$(ls "$build/crashes/"* 2>/dev/null | head -1)"
echo "fuzz: $(grep -o 'stat::number_of_executed_units: [0-9]*' "$log" | grep -o '[0-9]*$') inputs in ${seconds} s" \
  "after $(ls "$seeds" | wc -l) seeds, no crash, leak or sanitizer report"
