// Whether a side can make a move at all, by the rules a person's clicks obey
// and the computer's search follows alike: a drop must start its chain on an
// own piece the kind may be dropped on, and a pawn never goes into a column
// with a pawn of its own.
#pragma once

#include "core/game_state.h"

namespace kumora {

// `side` is a side code (lower_side or upper_side of the state).
bool side_can_move(const GameState& state, Side side);

}  // namespace kumora
