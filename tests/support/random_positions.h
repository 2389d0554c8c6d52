// Positions reached by random chain moves and drops from the even position
// and from handicap set-ups, for comparing implementations on many boards.
#pragma once

#include <random>

#include "core/game_state.h"

namespace kumora::testing {

// The even position with some of the handicap squares of one side emptied.
GameState random_setup(std::mt19937& rng);

// A set-up followed by up to `max_moves` random moves of alternating sides
// (promoting at random where allowed, always where compulsory).  Stops early
// when a king is taken or the side to move has nothing to play.
GameState random_position(std::mt19937& rng, int max_moves);

}  // namespace kumora::testing
