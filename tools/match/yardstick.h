// D3, a fixed yardstick: plain alpha-beta to a fixed depth over the level-3
// move scores.  A line is valued as the sum of its moves' scores, each taken
// for the side that plays it; the last ply is valued by its scores alone.  A
// move that takes the king ends the line as a win at once, a shorter win
// before a longer one, and a side without a move has lost.  The moves are
// tried in the order of their scores.  Nothing else.
#pragma once

#include <memory>

#include "tools/match/players.h"

namespace kumora::match {

std::unique_ptr<Player> make_yardstick(int depth);

}  // namespace kumora::match
