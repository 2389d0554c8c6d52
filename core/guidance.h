// Move guidance: the squares the next link of a move under construction can use.
#pragma once

#include "rules/board.h"

namespace kumora {

// Marks every board square that show_guidance frames when the next step
// starts from (from_x, from_y) with `piece` (origin column 11 or -1 for a drop)
// and `chain_count` links already passed.  Own pieces within reach are always
// marked; empty and enemy squares only once a link has been passed; a drop
// never marks an enemy square.
SquareMarks guidance_squares(const Board& board, int from_x, int from_y, int piece,
                             int chain_count);

}  // namespace kumora
