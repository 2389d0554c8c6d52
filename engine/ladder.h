// The levels between LEVEL3 and LEVEL4: the engine held to a small node
// budget and choosing among near-best moves, a step stronger each.
#pragma once

#include <cstdint>
#include <string>

#include "core/levels.h"
#include "engine/engine.h"

namespace kumora {

// The limits a level plays with: level_limits, or ladder_limits with the seed.
EngineLimits limits_of_level(int level, std::uint32_t seed);

// The limits of ladder step 1..LADDER_STEPS (1 the weakest); the seed picks
// among the near-best moves, so that a new seed gives a new game.
EngineLimits ladder_limits(int step, std::uint32_t seed);

// Does the move leave the mover's own king where the other side's chains end?
bool leaves_king_capturable(const EnginePosition& position, const Candidate& move);

// The move, or when it leaves the king capturable, the first candidate that
// does not (the move itself when every candidate does).
Candidate king_kept_safe(const EnginePosition& position, const Candidate& move);

}  // namespace kumora
