// com's reach map against the literal sweeps, on many positions reached by
// random play from the even position and handicap set-ups.
#include <gtest/gtest.h>

#include <random>

#include "rules/reach_map.h"
#include "tests/support/literal_reach.h"
#include "tests/support/random_positions.h"

namespace kumora {
namespace {

constexpr int POSITIONS = 10000;
constexpr int MAX_MOVES = 60;

// Builds one map both ways and reports the first difference.
::testing::AssertionResult same_map(const Board& board, int x, int y, ReachMode mode) {
  ReachState fast;
  ReachState slow;
  build_reach_map(fast, board, x, y, mode);
  literal::build_reach_map(slow, board, x, y, mode);
  if (fast.reach_map == slow.reach_map && fast.reach_expanded == slow.reach_expanded)
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << "map of (" << x << ", " << y << ") mode " << static_cast<int>(mode);
}

void expect_same_everywhere(const GameState& state, int position) {
  for (const ReachMode mode : {REACH_DESTINATIONS, REACH_COVERAGE}) {
    for (int x = 1; x <= 9; ++x) {
      for (int y = 1; y <= 9; ++y) {
        if (state.board(x, y) == EMPTY) continue;
        ASSERT_TRUE(same_map(state.board, x, y, mode)) << position;
      }
    }
    ASSERT_TRUE(same_map(state.board, UPPER_HAND_COLUMN, 1, mode)) << position;
    ASSERT_TRUE(same_map(state.board, LOWER_HAND_COLUMN, 3, mode)) << position;
  }
}

TEST(ReachEquivalence, FastMapEqualsLiteralSweepsOnRandomPositions) {
  std::mt19937 rng(20240611);
  for (int n = 0; n < POSITIONS; ++n) {
    const GameState state = testing::random_position(rng, MAX_MOVES);
    expect_same_everywhere(state, n);
    if (HasFatalFailure()) return;
  }
}

TEST(ReachEquivalence, EmptySquareMapHoldsOnlyItself) {
  GameState state;
  set_initial_position(state);
  for (const ReachMode mode : {REACH_DESTINATIONS, REACH_COVERAGE})
    EXPECT_TRUE(same_map(state.board, 5, 5, mode));
}

}  // namespace
}  // namespace kumora
