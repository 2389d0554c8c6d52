// The record's chain test against the computer's reach map: on positions of
// random play, a chain move reaches exactly the squares the coverage map marks
// that hold no own piece, so every move the computer plays reads back.
#include <gtest/gtest.h>

#include <random>

#include "rules/chain_move.h"
#include "rules/reach_map.h"
#include "tests/support/random_positions.h"

namespace kumora {
namespace {

::testing::AssertionResult same_targets(const Board& board, int x, int y, int piece) {
  ReachState reach;
  build_reach_map(reach, board, x, y, REACH_COVERAGE);
  for (int tx = 1; tx <= 9; ++tx) {
    for (int ty = 1; ty <= 9; ++ty) {
      if (same_owner(piece, board(tx, ty))) continue;
      if (reach.reach_map(tx, ty) != chain_move_reaches(board, x, y, tx, ty, piece)) {
        return ::testing::AssertionFailure()
               << "(" << x << ", " << y << ") to (" << tx << ", " << ty << ")";
      }
    }
  }
  return ::testing::AssertionSuccess();
}

TEST(ChainMoveEquivalence, ReachesWhatTheCoverageMapMarks) {
  std::mt19937 rng(7);
  for (int n = 0; n < 150; ++n) {
    const GameState state = testing::random_position(rng, 60);
    const Board& board = state.board;
    for (int x = 1; x <= 9; ++x) {
      for (int y = 1; y <= 9; ++y) {
        if (board(x, y) == EMPTY) continue;
        ASSERT_TRUE(same_targets(board, x, y, board(x, y))) << n;
      }
    }
    // A gold may be dropped onto any own piece, as the drop map assumes.
    ASSERT_TRUE(same_targets(board, UPPER_HAND_COLUMN, 5, GOLD)) << n;
    ASSERT_TRUE(same_targets(board, LOWER_HAND_COLUMN, 7, -GOLD)) << n;
  }
}

}  // namespace
}  // namespace kumora
