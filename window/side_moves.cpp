#include "window/side_moves.h"

#include "rules/candidates.h"

namespace kumora {

bool side_can_move(const GameState& state, Side side) {
  const bool lower = side == state.lower_side;
  return side_has_candidate(state.board, lower ? state.lower_hand : state.upper_hand,
                            lower ? -1 : +1);
}

}  // namespace kumora
