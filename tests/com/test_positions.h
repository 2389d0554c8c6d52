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

// The upper gold on (4, 7) takes the lower king over the pawn on (5, 8); the
// silver on (6, 7) could do the same later in the scan.
inline GameState king_capture_in_one() {
  return position_of({{1, 1, KING},
                      {2, 1, GOLD},
                      {4, 7, GOLD},
                      {5, 8, PAWN},
                      {6, 7, SILVER},
                      {5, 9, -KING},
                      {1, 9, -PAWN}});
}

}  // namespace kumora
