// The positions of the whole game, one after each move (and the one before
// the first), with the side to move in each, as the board shows them now
// (turned round when it is): what the evaluation graph values.
#pragma once

#include <vector>

#include "engine/engine.h"
#include "window/game.h"

namespace kumora {

// Positions 0..length of the whole game (whole_game), found by stepping
// back from the shown position to the start and forward again to the end.
std::vector<EnginePosition> record_positions(const Game& game);

}  // namespace kumora
