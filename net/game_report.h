// How two sides that meet agree on the game: each reports the position key
// after every move of its game ("game N", then "keys" lines), and both play
// on from the longest common game, the first moves whose keys are the same
// on both sides.
#pragma once

#include <cstdint>
#include <vector>

#include "net/message.h"

namespace kumora {

// How many first moves both games share.
int common_moves(const std::vector<std::uint64_t>& ours, const std::vector<std::uint64_t>& theirs);

// The lines that report a game of at most MAX_GAME_MOVES moves (later ones
// are left out): "game N", then the keys KEYS_PER_LINE at a time.
std::vector<Message> game_report(const std::vector<std::uint64_t>& keys);

// Reads the other side's report line by line; holds at most MAX_GAME_MOVES keys.
class GameReportReader {
 public:
  enum class Step {
    MORE,  // the line was the report's next one; more are to come
    DONE,  // the report is complete
    WRONG  // the line is not the report's next one
  };
  Step take(const Message& message);
  const std::vector<std::uint64_t>& keys() const { return keys_; }

 private:
  int announced_ = -1;  // N of "game N"; -1 until it came
  std::vector<std::uint64_t> keys_;
};

}  // namespace kumora
