// The reach map computed on square sets: the engine behind build_reach_map,
// for callers that build many maps of one position.
#pragma once

#include "rules/board.h"
#include "rules/reach_state.h"
#include "rules/square_set.h"

namespace kumora {

// reach_map and reach_expanded as sets.
struct ReachSets {
  SquareSet map = 0;
  SquareSet expanded = 0;
};

// The same as build_reach_map, on sets.
ReachSets reach_sets(const Board& board, int x, int y, ReachMode mode);

// One flood as spread_reach, added to `sets`.
void spread_sets(ReachSets& sets, const Board& board, int x, int y, int piece, Flood flood,
                 ReachMode mode);

// Writes the sets into reach_map and reach_expanded.
void store_reach(ReachState& reach, const ReachSets& sets);

}  // namespace kumora
