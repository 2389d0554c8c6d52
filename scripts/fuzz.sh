#!/usr/bin/env bash
# Runs the libFuzzer targets built into $FUZZ_BUILD_DIR (build/fuzz) by the
# project's build (target kumora_fuzzers).
#   scripts/fuzz.sh [SECONDS]   run each fuzzer for SECONDS (default 60)
#   scripts/fuzz.sh --smoke     run each a fixed number of inputs from its seeds
# The seeds in tests/fuzz/corpus are only read; the working corpora go to
# $FUZZ_BUILD_DIR/corpus. A crash, a leak or a sanitizer report fails the run
# and leaves the input in $FUZZ_BUILD_DIR/artifacts.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
out=${FUZZ_BUILD_DIR:-$root/build/fuzz}
# Inputs a smoke run tries; an input of the protocol goes through more readers.
declare -A smoke_runs=([record_reader]=100000 [settings_reader]=100000 [protocol_lines]=25000)

mode=timed
seconds=60
case "${1:-}" in
  --smoke) mode=smoke ;;
  "") ;;
  *[!0-9]*) echo "usage: $0 [SECONDS | --smoke]" >&2; exit 2 ;;
  *) seconds=$1 ;;
esac

declare -A seeds=([record_reader]=record [settings_reader]=settings [protocol_lines]=protocol)
for name in "${!seeds[@]}"; do
  if [ ! -x "$out/fuzz_$name" ]; then
    echo "fuzz: $out/fuzz_$name is not built; install clang and libclang-rt-14-dev and build" \
         "the target kumora_fuzzers" >&2
    exit 77
  fi
done

mkdir -p "$out/artifacts"
status=0
for name in record_reader settings_reader protocol_lines; do
  corpus="$out/corpus/$name"
  if [ "$mode" = smoke ]; then
    rm -rf "$corpus"
    limit=(-runs="${smoke_runs[$name]}" -seed=1)
  else
    limit=(-max_total_time="$seconds")
  fi
  mkdir -p "$corpus"
  dict=()
  [ -f "$root/tests/fuzz/$name.dict" ] && dict=(-dict="$root/tests/fuzz/$name.dict")
  log="$out/$name.log"
  echo "fuzz: $name (${limit[*]})"
  if ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
     "$out/fuzz_$name" "${limit[@]}" "${dict[@]}" -print_final_stats=1 \
       -artifact_prefix="$out/artifacts/$name-" "$corpus" "$root/tests/fuzz/corpus/${seeds[$name]}" \
       >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    time=$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$log")
    corpus_size=$(sed -n 's/.*DONE .* corp: \([^ ]*\).*/\1/p' "$log")
    coverage=$(sed -n 's/.*DONE .* cov: \([0-9]*\).*/\1/p' "$log")
    echo "fuzz: $name passed: ${runs:-?} runs in ${time:-?} s, corpus ${corpus_size:-?}" \
         "(inputs/bytes), coverage ${coverage:-?} edges, no findings"
  else
    echo "fuzz: $name FAILED; the log follows ($log)" >&2
    tail -n 60 "$log" >&2
    status=1
  fi
done
exit "$status"
