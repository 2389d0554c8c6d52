#!/usr/bin/env bash
# Each field of the window's game state has one owner among the window's
# parts: only one part of window/ assigns it. Prints every field assigned in
# more than one part (a .cpp file with its header), with the parts.
#   check_state_owners.sh SOURCE_DIR
set -euo pipefail
cd "$1"

# The fields of the position and of the game around it, one per line.
declared=(rules/position.h core/game_state.h)
mapfile -t fields < <(sed -nE 's/^  (int|bool|double|Board|Side) ([a-z_A-Z]+)( *=.*|\[.*)?;.*/\2/p' "${declared[@]}")
[ ${#fields[@]} -ge 20 ] || { echo "could not read the fields of ${declared[*]}"; exit 1; }

shared=0
for field in "${fields[@]}"; do
  # state.FIELD = / += / -= / ++ / --, and state.board(x, y) = ...
  assigned="state\.${field}( *\([^)]*\))?( *\[[^]]*\])* *(=[^=]|\+=|-=|\+\+|--)|(\+\+|--) *[a-z_.]*state\.${field}\b"
  mapfile -t writers < <(grep -lE "$assigned" window/*.cpp window/*.h | sed 's/\.[ch]p*$//' | sort -u || true)
  if [ ${#writers[@]} -gt 1 ]; then
    echo "the game state's ${field} is assigned in ${#writers[@]} parts: ${writers[*]}"
    shared=1
  fi
done
if [ $shared -ne 0 ]; then
  echo "give each field one owner; the other parts ask it (window/game.h, window/clocks.h)"
  exit 1
fi
echo "each of the ${#fields[@]} fields of the game state is assigned in one part of window/ at most"
