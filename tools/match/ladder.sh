#!/bin/sh
# The ladder of the computer's levels, at their real limits:
#   every adjacent pair LEVEL3 - LEVEL3.1 - ... - LEVEL3.9 - LEVEL4, 200 games each;
#   D3 - LEVEL3, LEVEL4 - D3, LEVEL5 - LEVEL4 400 games, LEVEL5 on every core -
#   LEVEL5 on one (L5#1) 200 games, LEVEL4 - R 1000 games.
# A full ladder takes many hours.  KUMORA_LADDER_SCALE scales every game count
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

play() {
  echo "== $1 - $2, $(games "$3") games"
  "$match" "$1" "$2" "$(games "$3")" "$seed" --jobs "$jobs" | tail -n 5
}

lower=L3
for step in 1 2 3 4 5 6 7 8 9; do
  play "L3.$step" "$lower" 200
  lower="L3.$step"
done
play L4 "$lower" 200
for pair in "D3 L3 400" "L4 D3 400" "L5 L4 400" "L5 L5#1 200" "L4 R 1000"; do
  set -- $pair
  play "$1" "$2" "$3"
done
