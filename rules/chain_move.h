// Whether a whole chain move exists between two squares.
#pragma once

#include "rules/board.h"

namespace kumora {

// Can `piece` go from its origin (a board square, or a hand cell for a drop)
// to the target by a chain move, as a person builds one click by click with
// can_step_or_chain: the first click on an own piece, each further click from
// the last link with the step of the piece standing there, never back through
// the origin (that click cancels the move)? Only the links are tested; the
// rules of the final square (two pawns, no capture by a drop, promotion) are
// the caller's.
bool chain_move_reaches(const Board& board, int from_x, int from_y, int to_x, int to_y, int piece);

}  // namespace kumora
