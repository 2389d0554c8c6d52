#!/bin/sh
# The engine's speed against the engine of commit BASELINE (before it kept
# its chains move by move and used every core), in one run: the baseline's
# benchmark is built from this repository's history under the build
# directory, and the two benchmarks take turns on the same stored positions.
#   bench_engine_ratio.sh SOURCE_DIR BUILD_DIR CURRENT_BENCH
# KUMORA_RATIO_POSITIONS positions a run (40), KUMORA_RATIO_ROUNDS turns each (3).
set -e
source_dir=${1:?usage: bench_engine_ratio.sh SOURCE_DIR BUILD_DIR CURRENT_BENCH}
build_dir=${2:?}
current=${3:?}
BASELINE=5a901054b624bfecbdc0c1bb04b924071b225e6e
positions=${KUMORA_RATIO_POSITIONS:-40}
rounds=${KUMORA_RATIO_ROUNDS:-3}
home="$build_dir/baseline-engine"

if [ ! -x "$home/build/kumora-bench-engine" ]; then
  rm -rf "$home/source"
  mkdir -p "$home/source"
  git -C "$source_dir" archive "$BASELINE" | tar -x -C "$home/source"
  cmake -S "$home/source" -B "$home/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DKUMORA_SANITIZED_SOAK=OFF > "$home/configure.log"
  cmake --build "$home/build" --target kumora-bench-engine -j 2 > "$home/build.log"
fi

# Nodes per second of this thread's processor time, from one run.
rate() {
  KUMORA_BENCH_POSITIONS=$positions "$1" 2>/dev/null |
    sed -n 's/.*nodes_per_cpu_second=\([0-9.]*\)\([kM]\{0,1\}\).*/\1 \2/p' |
    awk '{ m = $2 == "M" ? 1e6 : $2 == "k" ? 1e3 : 1; print $1 * m }'
}

ratios=""
round=1
while [ "$round" -le "$rounds" ]; do
  before=$(rate "$home/build/kumora-bench-engine")
  after=$(rate "$current")
  ratio=$(awk -v a="$after" -v b="$before" 'BEGIN { printf "%.2f", a / b }')
  echo "round $round: baseline $before, now $after nodes/s per processor second: ${ratio}x"
  ratios="$ratios $ratio"
  round=$((round + 1))
done
echo "$ratios" | tr ' ' '\n' | sed '/^$/d' | sort -n |
  awk '{ r[NR] = $1 } END { printf "engine speed against %s: %.2fx (median of %d rounds, %s positions)\n", "'"$BASELINE"'", r[int((NR + 1) / 2)], NR, "'"$positions"'" }'
