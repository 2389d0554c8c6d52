#include "window/countdown.h"

#include <algorithm>
#include <cmath>

#include "core/translation.h"
#include "window/clock_text.h"
#include "window/whole_game.h"

namespace kumora {

namespace {

// The share of its main time the computer spends on a move, and of the time
// that comes back with every move.
constexpr double MAIN_TIME_SHARE = 1.0 / 20;
constexpr double BYOYOMI_SHARE = 0.7;
constexpr double INCREMENT_SHARE = 0.5;
// Never more than this part of what is left, nor less than a few moments.
constexpr double MOST_OF_WHAT_IS_LEFT = 0.8;
constexpr double SHORTEST_THOUGHT = 0.05;

double move_time(const RecordEntry& e) {
  return e.moved < 0 ? e.lower_clock_after - e.lower_clock_before
                     : e.upper_clock_after - e.upper_clock_before;
}

// Whole seconds still to go, shown as the clock counts down: 299.4 shows 300.
long seconds_to_show(double seconds) { return seconds <= 0 ? 0 : std::lround(std::ceil(seconds)); }

}  // namespace

double main_time_left(const TimeControl& control, const MoveRecord& whole, bool lower_player) {
  double left = control.main_seconds;
  for (int i = 1; i <= whole.shown; ++i) {
    const RecordEntry& e = whole.entry[i];
    if ((e.moved < 0) != lower_player) continue;
    left = std::max(0.0, left - move_time(e)) + control.increment_seconds;
  }
  return left;
}

EngineLimits limits_within(const EngineLimits& level, double seconds) {
  EngineLimits limits = level;
  if (limits.seconds > 0 && limits.seconds <= seconds) return limits;
  if (limits.seconds > 0) limits.iteration_seconds *= seconds / limits.seconds;
  limits.seconds = seconds;
  return limits;
}

bool Countdown::active() const {
  const GameState& state = game_.state;
  return !game_.time_control.none() && state.turn != NO_GAME && !state.record_mode;
}

double Countdown::main_left(Side side) const {
  const GameState& state = game_.state;
  // The whole game is kept as it began: while the board is turned round, the
  // lower pieces are those the upper player began with.
  const bool lower_now = side == state.lower_side;
  return main_time_left(game_.time_control, whole_game(game_), lower_now != game_.history.turned);
}

double Countdown::time_left(Side side, double used) const {
  return main_left(side) + game_.time_control.byoyomi_seconds - used;
}

std::string Countdown::clock_text(Side side, double used) const {
  const double in_main_time = main_left(side) - used;
  if (in_main_time > 0) return format_hms(static_cast<double>(seconds_to_show(in_main_time)));
  const int byoyomi = game_.time_control.byoyomi_seconds;
  if (byoyomi == 0) return format_hms(0);
  return fill_in(tr_text("Board", "秒読み %1"),
                 {std::to_string(seconds_to_show(byoyomi + in_main_time))});
}

double Countdown::computer_seconds() const {
  const TimeControl& control = game_.time_control;
  const double main = main_left(game_.state.upper_side());
  const double share = main * MAIN_TIME_SHARE + control.byoyomi_seconds * BYOYOMI_SHARE +
                       control.increment_seconds * INCREMENT_SHARE;
  const double has = main + control.byoyomi_seconds;
  return std::max(SHORTEST_THOUGHT, std::min(share, has * MOST_OF_WHAT_IS_LEFT));
}

}  // namespace kumora
