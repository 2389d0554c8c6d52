#include "com/movable.h"

#include "com/reach_map.h"

namespace kumora {

namespace {

bool any_reached(const ReachState& reach) {
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y)
      if (reach.reach_map(x, y) == ON) return true;
  return false;
}

bool piece_of_side(const GameState& state, int side, int code) {
  return (side == state.upper_side && code >= 10) || (side == state.lower_side && code <= -10);
}

}  // namespace

int has_movable_piece(ReachState& reach, const GameState& state, int side) {
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) {
      if (!piece_of_side(state, side, state.board(x, y))) continue;
      build_reach_map(reach, state.board, x, y, REACH_DESTINATIONS);
      if (any_reached(reach)) return ON;
    }
  // A drop map does not depend on the kind in hand: once one hand's map is
  // empty, the other kinds of that hand would build the same empty map.
  bool upper_drops_empty = false;
  bool lower_drops_empty = false;
  for (int k = 1; k <= 7; ++k) {
    if (side == state.upper_side && state.upper_hand[k] > 0 && !upper_drops_empty) {
      build_reach_map(reach, state.board, UPPER_HAND_COLUMN, k, REACH_DESTINATIONS);
      if (any_reached(reach)) return ON;
      upper_drops_empty = true;
    }
    if (side == state.lower_side && state.lower_hand[k] > 0 && !lower_drops_empty) {
      build_reach_map(reach, state.board, LOWER_HAND_COLUMN, k, REACH_DESTINATIONS);
      if (any_reached(reach)) return ON;
      lower_drops_empty = true;
    }
  }
  return OFF;
}

}  // namespace kumora
