// Self-play: the computer plays both sides, the position turned round between
// turns, with the invariants of the game state checked after every move.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kumora {

struct SoakFigures {
  int games = 0;
  long moves = 0;
  long checks = 0;     // invariant checks made
  int violations = 0;  // invariant checks that failed
  int king_captures = 0;
  int no_move_ends = 0;
  int full_records = 0;
  std::vector<std::string> problems;  // the first few violations, described
};

struct SoakOptions {
  int games = 10;
  uint32_t seed = 1;
  bool random_handicaps = true;  // otherwise every game starts from the even position
  bool mixed_levels = true;  // one army on an engine level (LEVEL4, LEVEL5, the ladder), the other
                             // on 1..3; otherwise level 3
};

SoakFigures run_self_play(const SoakOptions& options);

}  // namespace kumora
