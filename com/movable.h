// Whether a side can move at all.
#pragma once

#include "com/reach_state.h"
#include "core/game_state.h"

namespace kumora {

// ON if `side` (upper_side or lower_side) has at least one board move or drop.
// Leaves in `reach` the last map it built.
int has_movable_piece(ReachState& reach, const GameState& state, int side);

}  // namespace kumora
