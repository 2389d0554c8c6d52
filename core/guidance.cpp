#include "core/guidance.h"

#include "rules/movement.h"

namespace kumora {

namespace {

// The squares within reach that guidance leaves unframed.
bool left_unframed(int from_x, int piece, int chain_count, int code) {
  if (chain_count == 0) {
    if (code == EMPTY) return true;
    if (piece <= -10 && code >= 10) return true;
    if (piece >= 10 && code <= -10) return true;
  }
  if (from_x == UPPER_HAND_COLUMN && code <= -10) return true;
  if (from_x == LOWER_HAND_COLUMN && code >= 10) return true;
  return false;
}

}  // namespace

SquareMarks guidance_squares(const Board& board, int from_x, int from_y, int piece,
                             int chain_count) {
  SquareMarks marks;
  for (int x = 1; x <= 9; ++x) {
    for (int y = 1; y <= 9; ++y) {
      const int code = board(x, y);
      // Tested as if the square were empty, so own pieces count as reachable.
      if (can_step_with_target(board, from_x, from_y, x, y, piece, EMPTY) &&
          !left_unframed(from_x, piece, chain_count, code)) {
        marks(x, y) = true;
      }
    }
  }
  return marks;
}

}  // namespace kumora
