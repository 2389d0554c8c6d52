#!/usr/bin/env bash
# Start-up time and peak memory of the real window, whole-process figures.
set -euo pipefail
bench=$(realpath "$1")
run_dir=$(mktemp -d)
trap 'rm -rf "$run_dir"' EXIT
cp "$(dirname "$bench")"/run/*.wav "$run_dir"/ 2>/dev/null || true
cd "$run_dir"
export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}
if [ -z "${DISPLAY:-}" ]; then export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}; fi

measure() {  # prints "elapsed-ms max-rss-kb" of one start-up
  local start out
  start=$(date +%s.%N)
  out=$(/usr/bin/time -v "$bench" startup 2>&1)
  local paint rss
  paint=$(grep first-paint-epoch-ms <<<"$out" | awk '{print $2}')
  rss=$(grep "Maximum resident set size" <<<"$out" | awk '{print $NF}')
  awk -v s="$start" -v p="$paint" -v r="$rss" 'BEGIN { printf "%.1f %d\n", p - s * 1000, r }'
}

echo "Start-up, launch to first painted window (10 runs):"
results=()
for i in $(seq 10); do results+=("$(measure)"); done
printf '%s\n' "${results[@]}" | sort -n | awk '{ t[NR] = $1; r = $2 } END {
  printf "  median %.1f ms, max %.1f ms, peak memory %.1f MB\n", t[int((NR + 1) / 2)], t[NR], r / 1024 }'

echo "A whole game against the computer in the real window:"
out=$(/usr/bin/time -v "$bench" game 2>&1)
grep person-moves <<<"$out" | sed 's/^/  /'
grep -E "Maximum resident set size|Elapsed \(wall clock\)" <<<"$out" | sed 's/^\s*/  /'
