// The reach map computed the slow, plain way: whole-board sweeps repeated
// until nothing is added.  It defines what com's reach map must answer.
#pragma once

#include "core/game_state.h"
#include "rules/reach_state.h"

namespace kumora::literal {

void build_reach_map(ReachState& reach, const Board& board, int x, int y, ReachMode mode);
void spread_reach(ReachState& reach, const Board& board, int x, int y, int piece, Flood flood,
                  ReachMode mode);

}  // namespace kumora::literal
