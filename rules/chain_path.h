// Recovering one chain of own pieces for a move already chosen, so that it can
// be shown link by link.
#pragma once

#include "rules/board.h"
#include "rules/reach_state.h"

namespace kumora {

// Depth-first search for a chain from (from_x, from_y) (a hand origin for a
// drop) to (to_x, to_y) through own pieces of `moved`, at most six links,
// judged on the pieces' step patterns alone (lines are never blocked).
// Entry 1 of the path lists becomes the origin in every case.  When a path is
// found (true), entries 1..n hold origin, links and destination; otherwise (false)
// the other entries are left as they were.  The origin never appears again
// after entry 1: coming back to it is not a step.
bool find_chain_path(ReachState& reach, const Board& board, int from_x, int from_y, int to_x,
                     int to_y, int moved);

// True if (x, y) carries a search mark of some depth 1..8.
bool visited_on_path(const ReachState& reach, int x, int y);

}  // namespace kumora
