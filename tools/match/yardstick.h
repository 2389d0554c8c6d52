// D3, a fixed yardstick: plain alpha-beta over the level-3 move scores.  A
// move's value is its level-3 score minus the best value of the reply, the
// last ply valued by the scores alone, a king capture ending the line; the
// moves are tried in the order of their scores.  Nothing else.
#pragma once

#include <memory>

#include "tools/match/players.h"

namespace kumora::match {

std::unique_ptr<Player> make_yardstick(int depth);

}  // namespace kumora::match
