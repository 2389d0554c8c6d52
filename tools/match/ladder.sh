#!/bin/sh
# The ladder of the strong levels, at their real time limits:
#   LEVEL4 - LEVEL3 400, LEVEL4 - D3 400, LEVEL5 - LEVEL4 400, LEVEL4 - R 1000 games.
# A full ladder takes hours.  KUMORA_LADDER_SCALE scales every game count
# (e.g. 0.1 for a tenth), KUMORA_LADDER_SEED picks the openings (1),
# KUMORA_LADDER_JOBS plays that many games at once (1: fair timing).
set -e
match=${1:?usage: ladder.sh path/to/kumora-match}
scale=${KUMORA_LADDER_SCALE:-1}
seed=${KUMORA_LADDER_SEED:-1}
jobs=${KUMORA_LADDER_JOBS:-1}

games() {
  # An even count, at least 2: openings are played in pairs.
  awk -v n="$1" -v s="$scale" 'BEGIN { g = int(n * s / 2 + 0.5) * 2; if (g < 2) g = 2; print g }'
}

for pair in "L4 L3 400" "L4 D3 400" "L5 L4 400" "L4 R 1000"; do
  set -- $pair
  echo "== $1 - $2, $(games "$3") games"
  "$match" "$1" "$2" "$(games "$3")" "$seed" --jobs "$jobs" | tail -n 5
done
