#include "com/movable.h"

#include "com/reach_sets.h"

namespace kumora {

namespace {

bool piece_of_side(const GameState& state, int side, int code) {
  return (side == state.upper_side && code >= 10) || (side == state.lower_side && code <= -10);
}

}  // namespace

// Builds the maps in the order of the rule and stops at the first non-empty
// one; only that last map is written into `reach`.  A drop map does not depend
// on the kind in hand, so once one hand's map is empty the other kinds of that
// hand would build the same empty map.
int has_movable_piece(ReachState& reach, const GameState& state, int side) {
  ReachSets last;
  bool built = false;
  auto try_map = [&](int x, int y) {
    last = reach_sets(state.board, x, y, REACH_DESTINATIONS);
    built = true;
    return last.map != 0;
  };
  auto answer = [&](int result) {
    if (built) store_reach(reach, last);
    return result;
  };

  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y)
      if (piece_of_side(state, side, state.board(x, y)) && try_map(x, y)) return answer(ON);

  bool upper_drops_empty = false;
  bool lower_drops_empty = false;
  for (int k = 1; k <= 7; ++k) {
    if (side == state.upper_side && state.upper_hand[k] > 0 && !upper_drops_empty) {
      if (try_map(UPPER_HAND_COLUMN, k)) return answer(ON);
      upper_drops_empty = true;
    }
    if (side == state.lower_side && state.lower_hand[k] > 0 && !lower_drops_empty) {
      if (try_map(LOWER_HAND_COLUMN, k)) return answer(ON);
      lower_drops_empty = true;
    }
  }
  return answer(OFF);
}

}  // namespace kumora
