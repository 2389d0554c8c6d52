// Positions for the computer's tests, written as a list of pieces.
#pragma once

#include <initializer_list>

#include "core/game_state.h"

namespace kumora {

struct Piece {
  int x, y, code;
};

// Empty hands and an otherwise empty board.
inline GameState position_of(std::initializer_list<Piece> pieces) {
  GameState state;
  for (const Piece& p : pieces) state.board(p.x, p.y) = p.code;
  recompute_hand_totals(state);
  return state;
}

}  // namespace kumora
