#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each of them.
#   scripts/fuzz.sh [SECONDS]   run each fuzzer for SECONDS (default 60)
#   scripts/fuzz.sh --smoke     run each a fixed number of inputs from its seeds
# The fuzzers and their working corpora go to $FUZZ_BUILD_DIR (build/fuzz);
# the seeds in tests/fuzz/corpus are only read. A crash, a leak or a sanitizer
# report fails the run and leaves the input in $FUZZ_BUILD_DIR/artifacts.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
out=${FUZZ_BUILD_DIR:-$root/build/fuzz}
smoke_runs=100000
clang=${FUZZ_CXX:-clang++}

mode=timed
seconds=60
case "${1:-}" in
  --smoke) mode=smoke ;;
  "") ;;
  *[!0-9]*) echo "usage: $0 [SECONDS | --smoke]" >&2; exit 2 ;;
  *) seconds=$1 ;;
esac

if ! command -v "$clang" >/dev/null; then
  echo "fuzz: $clang not found; install clang and libclang-rt-14-dev (make setup)" >&2
  exit 77
fi

flags=(-std=c++20 -O1 -g -fno-omit-frame-pointer -I"$root"
       -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all)
core=("$root"/core/*.cpp)
declare -A sources=(
  [record_reader]="${core[*]} $root/kifu/record.cpp $root/kifu/record_file.cpp
                   $root/kifu/record_line.cpp $root/kifu/replay_check.cpp"
  [settings_reader]="${core[*]} $root/settings/settings_file.cpp $root/settings/settings_read.cpp"
)
declare -A seeds=([record_reader]=record [settings_reader]=settings)

mkdir -p "$out/artifacts"
echo "fuzz: building into $out"
pids=()
for name in "${!sources[@]}"; do
  # shellcheck disable=SC2086  # the source list splits on purpose
  "$clang" "${flags[@]}" "$root/tests/fuzz/fuzz_$name.cpp" ${sources[$name]} \
    -o "$out/fuzz_$name" &
  pids+=($!)
done
for pid in "${pids[@]}"; do wait "$pid"; done

status=0
for name in record_reader settings_reader; do
  corpus="$out/corpus/$name"
  if [ "$mode" = smoke ]; then
    rm -rf "$corpus"
    limit=(-runs="$smoke_runs" -seed=1)
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
