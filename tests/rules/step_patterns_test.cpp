// The step patterns have one table; the single-step test of a click is
// derived from it, and must agree with the reach sets taken from it, for
// every piece code on every square of many boards.
#include <gtest/gtest.h>

#include <random>

#include "rules/movement.h"
#include "rules/step_patterns.h"
#include "tests/support/random_positions.h"

namespace kumora {
namespace {

constexpr int CODES[] = {
    PAWN,   LANCE, KNIGHT, SILVER, GOLD, TOKIN, PROMOTED_LANCE, PROMOTED_KNIGHT, PROMOTED_SILVER,
    BISHOP, HORSE, ROOK,   DRAGON, KING};

// Where can_step, asked as if each target were empty, lets the piece go.
SquareSet stepped_targets(const Board& board, int x, int y, int code) {
  SquareSet set = 0;
  for (int tx = 1; tx <= 9; ++tx)
    for (int ty = 1; ty <= 9; ++ty)
      if (can_step_with_target(board, x, y, tx, ty, code, EMPTY)) set |= square_bit(tx, ty);
  return set;
}

void expect_forms_agree(const Board& board) {
  SquareSet occupied = 0;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y)
      if (board(x, y) != EMPTY) occupied |= square_bit(x, y);
  for (int kind : CODES)
    for (int code : {kind, -kind})
      for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
          const SquareSet targets = reach_targets(board, x, y, code);
          ASSERT_EQ(stepped_targets(board, x, y, code), targets) << code << " on " << x << y;
          ASSERT_EQ(reach_targets_among(occupied, (x - 1) * 9 + (y - 1), code), targets)
              << code << " on " << x << y;
        }
}

TEST(StepPatterns, SingleStepsAndReachSetsAgreeOnTheEmptyBoardAndRandomBoards) {
  expect_forms_agree(Board{});
  std::mt19937 rng(24);
  for (int i = 0; i < 12; ++i) expect_forms_agree(testing::random_position(rng, 60).board);
}

TEST(StepPatterns, MirrorForTheLowerSideAndKnowNoOtherCodes) {
  for (int kind : CODES) {
    const StepPattern upper = step_pattern(kind);
    const StepPattern lower = step_pattern(-kind);
    ASSERT_EQ(upper.step_count, lower.step_count) << kind;
    ASSERT_EQ(upper.ray_count, lower.ray_count) << kind;
    // The first square of every step and slide, around the middle of the board.
    SquareSet upper_moves = 0, mirrored_lower_moves = 0;
    for (int s = 0; s < upper.step_count; ++s) {
      upper_moves |= square_bit(5 + upper.step_dx[s], 5 + upper.step_dy[s]);
      mirrored_lower_moves |= square_bit(5 + lower.step_dx[s], 5 - lower.step_dy[s]);
    }
    for (int r = 0; r < upper.ray_count; ++r) {
      upper_moves |= square_bit(5 + upper.ray_dx[r], 5 + upper.ray_dy[r]);
      mirrored_lower_moves |= square_bit(5 + lower.ray_dx[r], 5 - lower.ray_dy[r]);
    }
    EXPECT_EQ(upper_moves, mirrored_lower_moves) << kind;
  }
  for (int code : {EMPTY, 1, 9, PROMOTED_GOLD, -PROMOTED_GOLD, KING + 1, -KING - 1, 12345}) {
    EXPECT_EQ(step_pattern(code).step_count + step_pattern(code).ray_count, 0) << code;
    EXPECT_EQ(reach_targets(Board{}, 5, 5, code), SquareSet{0}) << code;
    EXPECT_FALSE(can_step(Board{}, 5, 5, 5, 4, code)) << code;
  }
}

}  // namespace
}  // namespace kumora
