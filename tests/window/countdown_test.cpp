// The clocks of a game on time, worked out from the times the record keeps.
#include <gtest/gtest.h>

#include "kifu/record.h"
#include "window/countdown.h"

namespace kumora {
namespace {

// A game between two people, 先手 below, with the moves' thinking times in
// seconds, 先手's first.
Game game_on_time(const TimeControl& control, std::initializer_list<double> times) {
  Game game;
  GameState& state = game.state;
  set_initial_position(state);
  state.lower_side = state.sente;
  state.turn = state.sente;
  game.time_control = control;
  const RecordEntry moves[2] = {{8, 8, 8, 6, 0, -900, -900}, {2, 2, 2, 4, 0, 900, 900}};
  int n = 0;
  for (double seconds : times) {
    const RecordEntry& e = moves[n % 2];
    const bool lower = n % 2 == 0;
    const double lower_clock = state.lower_clock, upper_clock = state.upper_clock;
    (lower ? state.lower_clock : state.upper_clock) += seconds;
    record_move(game.record, state.board, e.from_x, e.from_y, e.to_x, e.to_y, e.moved, e.placed,
                lower_clock, state.lower_clock, upper_clock, state.upper_clock);
    state.turn = opposite(state.turn);
    ++n;
  }
  return game;
}

TEST(Countdown, EachMoveTakesItsTimeAndTheIncrementComesAfter) {
  const Game game = game_on_time({60, 0, 5}, {10, 20, 30});
  EXPECT_DOUBLE_EQ(main_time_left(game.time_control, game.record, true), 60 - 10 + 5 - 30 + 5);
  EXPECT_DOUBLE_EQ(main_time_left(game.time_control, game.record, false), 60 - 20 + 5);
  // Byoyomi covers what the main time cannot; it is not taken from later moves.
  const Game slow = game_on_time({60, 10, 0}, {65, 1, 8});
  EXPECT_DOUBLE_EQ(main_time_left(slow.time_control, slow.record, true), 0);
}

TEST(Countdown, TheClockShowsMainTimeThenByoyomiAndRunsOut) {
  const Game game = game_on_time({60, 10, 0}, {45});  // 後手 to move
  const Countdown countdown(game);
  ASSERT_TRUE(countdown.active());
  const Side lower = game.state.lower_side, upper = game.state.upper_side();
  EXPECT_EQ(countdown.clock_text(lower, 0), "00:00:15");
  EXPECT_EQ(countdown.clock_text(upper, 0.4), "00:01:00");  // 59.6 left shows 60
  EXPECT_EQ(countdown.clock_text(upper, 61.5), "秒読み 9");
  EXPECT_DOUBLE_EQ(countdown.time_left(upper, 61.5), 8.5);
  EXPECT_LE(countdown.time_left(upper, 70), 0);
  const Game sudden = game_on_time({30, 0, 0}, {});
  EXPECT_EQ(Countdown(sudden).clock_text(sudden.state.lower_side, 31), "00:00:00");
}

TEST(Countdown, OnlyAGameBeingPlayedWithAControlCountsDown) {
  Game game = game_on_time({}, {5});
  EXPECT_FALSE(Countdown(game).active());
  game.time_control = {60, 0, 0};
  EXPECT_TRUE(Countdown(game).active());
  game.state.record_mode = true;  // a record replayed
  EXPECT_FALSE(Countdown(game).active());
  game.state.record_mode = false;
  game.state.turn = NO_GAME;
  EXPECT_FALSE(Countdown(game).active());
}

TEST(Countdown, TheComputerThinksWellInsideWhatItHasLeft) {
  for (const TimeControl& control : {TimeControl{300, 10, 0}, TimeControl{0, 10, 0},
                                     TimeControl{60, 0, 2}, TimeControl{1, 0, 0}}) {
    for (double spent : {0.0, 50.0, 299.0, 400.0}) {
      const Game game = game_on_time(control, {1, spent});  // the computer is 後手, above
      const Countdown countdown(game);
      const double left = countdown.time_left(game.state.upper_side(), 0);
      const double seconds = countdown.computer_seconds();
      EXPECT_GT(seconds, 0);
      if (left > 0.1) {
        EXPECT_LT(seconds, left) << control.main_seconds << " " << spent;
      }
    }
  }
  // With plenty of time it takes a share of it, more than its byoyomi alone.
  const Game early = game_on_time({600, 10, 0}, {1});
  EXPECT_GT(Countdown(early).computer_seconds(), 10);
}

TEST(Countdown, TheComputerIsNeverSlowerThanItsLevel) {
  const EngineLimits level4 = level_limits(4);
  const EngineLimits roomy = limits_within(level4, level4.seconds * 10);
  EXPECT_DOUBLE_EQ(roomy.seconds, level4.seconds);
  EXPECT_DOUBLE_EQ(roomy.iteration_seconds, level4.iteration_seconds);
  const EngineLimits short_of_time = limits_within(level4, level4.seconds / 4);
  EXPECT_DOUBLE_EQ(short_of_time.seconds, level4.seconds / 4);
  EXPECT_DOUBLE_EQ(short_of_time.iteration_seconds, level4.iteration_seconds / 4);
  // A ladder step searches a number of positions, now within the clock too.
  EngineLimits ladder;
  ladder.nodes = 5000;
  const EngineLimits held = limits_within(ladder, 2.5);
  EXPECT_EQ(held.nodes, 5000);
  EXPECT_DOUBLE_EQ(held.seconds, 2.5);
}

}  // namespace
}  // namespace kumora
