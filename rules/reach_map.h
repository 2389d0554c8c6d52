// The chain reach map: every square where a chain move of one piece, or a
// drop, can end.
#pragma once

#include "rules/board.h"
#include "rules/reach_state.h"

namespace kumora {

// Fills reach.reach_map for the piece on (x, y), or for a drop from the upper
// hand (x < 1) or the lower hand (x > 9); the dropped kind does not matter.
// mode REACH_DESTINATIONS or REACH_COVERAGE.
void build_reach_map(ReachState& reach, const Board& board, int x, int y, ReachMode mode);

// The flood started from the own piece on (x, y), added to the marks already in
// `reach`, as part of a board move of that piece or of a drop.  Outside coverage mode
// the map is then filtered: own pieces, for a drop every occupied square, and
// for a pawn the columns that would hold a second pawn.
void spread_reach(ReachState& reach, const Board& board, int x, int y, int piece, Flood flood,
                  ReachMode mode);

}  // namespace kumora
