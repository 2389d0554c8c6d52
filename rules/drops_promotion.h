// The rules applied when the final square of a move is chosen: the two-pawn
// rule and promotion.
#pragma once

#include "rules/board.h"

namespace kumora {

// True when the move would put a second unpromoted own pawn in column to_x.
// A pawn staying in its own column never counts; drops come from column 11 or -1.
bool second_pawn_in_file(const Board& board, int from_x, int to_x, int piece);

// False when the piece must promote on arriving at row to_y.
bool may_stay_unpromoted(int to_y, int piece);

// The code the piece has if it promotes on this move; the unchanged code when
// it cannot promote (drops, gold, king, promoted pieces, outside the zone).
int promoted_code(int from_x, int from_y, int to_x, int to_y, int piece);

}  // namespace kumora
