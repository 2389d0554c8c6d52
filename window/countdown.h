// The clocks of a game played on time: how much time each side has left
// under the game's time control, worked out from the times its moves took as
// the record keeps them, so that stepping through the record, taking moves
// back and resuming a kept game all count the same.
#pragma once

#include <string>

#include "engine/engine.h"
#include "window/game.h"

namespace kumora {

// The main time left to the player of the lower pieces as the game began
// (`lower_player`), or of the upper ones, after the moves 1..shown of the
// whole game `whole`: each move takes its time from the main time, byoyomi
// covering what the main time cannot, and the increment comes after it.
double main_time_left(const TimeControl& control, const MoveRecord& whole, bool lower_player);

// A level's limits held within `seconds` of the clock: the level's own when
// it thinks no longer than that (never slower than the level), else cut to
// them; a level held by positions alone keeps its budget as well.
EngineLimits limits_within(const EngineLimits& level, double seconds);

class Countdown {
 public:
  explicit Countdown(const Game& game) : game_(game) {}

  // A game is being played (not replayed from a record) with a time control.
  bool active() const;
  // Seconds `side` (lower_side or upper_side) may still think on its present
  // turn, having thought `used` of it; 0 or less once its time ran out.
  double time_left(Side side, double used) const;
  // What its clock shows: "00:04:59" while main time lasts, then "秒読み 8".
  std::string clock_text(Side side, double used) const;
  // How long the computer (the upper side) should think on this move at
  // most: a share of its main time and most of its byoyomi or increment,
  // well inside what it has.
  double computer_seconds() const;

 private:
  double main_left(Side side) const;

  const Game& game_;
};

}  // namespace kumora
