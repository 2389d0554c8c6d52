// The players of a match: the one-ply levels L1..L3, the engine's levels
// L4 and L5 and the ladder between them L3.1..L3.9, a random mover R and the
// yardstick D3.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "tools/match/match_game.h"

namespace kumora::match {

class Player {
 public:
  virtual ~Player() = default;
  virtual void new_game() {}
  // The move of the side to move; false when it has none.
  virtual bool choose(const MatchGame& game, Candidate& move) = 0;
};

// What the command line says about all players.
struct PlayerOptions {
  std::int64_t nodes = 0;  // L4 and L5 search this many nodes a move instead of using time
  int threads = 0;         // search threads of L4 and L5 by time; 0: as the level has it
};

// A player from its name: L1..L5, L3.1..L3.9, R or D3.  L4 and L5 accept a node budget
// of their own, a number of threads and parameter changes: "L4@20000",
// "L5#1" (LEVEL5 on one thread), "L4:mobility=6,immobile=30".
// Null, with `error` set, for a name it does not know.
std::unique_ptr<Player> make_player(const std::string& player_name, const PlayerOptions& options,
                                    std::uint32_t seed, std::string& error);

}  // namespace kumora::match
