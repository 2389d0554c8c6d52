// The squares of the last move on the board, for the soft marks the window
// lays under the frames: where it came from, where it went, and the own
// pieces its chain passed through.
#pragma once

#include <vector>

#include "window/cell.h"
#include "window/game.h"

namespace kumora {

struct LastMoveSquares {
  bool present = false;
  Cell from;  // a board square, or the hand cell of a drop
  Cell to;
  std::vector<Cell> links;  // the chain's own pieces between them, in order
};

// The move that led to the shown position (entry shown), either side.
LastMoveSquares last_move_squares(const Game& game);

}  // namespace kumora
