// Where a piece standing on a board square reaches in one step or slide, as a
// set: the same squares can_step allows if the target were empty.
#pragma once

#include "rules/board.h"
#include "rules/square_set.h"

namespace kumora {

// Every square the piece `code` on (x, y) reaches: its single steps, and along
// each slide line every square up to and including the first occupied one.
// Empty for a code that is no piece.
SquareSet reach_targets(const Board& board, int x, int y, int code);

// The same for the piece on the square of set index `index`, given the
// occupied squares as a set.
SquareSet reach_targets_among(SquareSet occupied, int index, int code);

}  // namespace kumora
