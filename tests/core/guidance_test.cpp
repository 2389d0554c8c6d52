// Which squares move guidance frames.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "core/game_state.h"
#include "core/guidance.h"

namespace kumora {
namespace {

using Squares = std::set<std::pair<int, int>>;

Squares marked(const SquareMarks& marks) {
  Squares squares;
  for (int x = 0; x <= 9; ++x)
    for (int y = 0; y <= 9; ++y)
      if (marks(x, y)) squares.insert({x, y});
  return squares;
}

TEST(Guidance, FirstLinkMarksOnlyOwnPiecesWithinReach) {
  GameState state;
  set_initial_position(state);
  EXPECT_EQ(marked(guidance_squares(state.board, 8, 8, -ROOK, 0)),
            (Squares{{2, 8}, {8, 7}, {8, 9}}));
  EXPECT_EQ(marked(guidance_squares(state.board, 5, 7, -PAWN, 0)), Squares{});
}

TEST(Guidance, AfterALinkEmptyAndEnemySquaresAreMarkedToo) {
  Board board;
  board(5, 5) = -GOLD;
  board(5, 4) = PAWN;   // enemy ahead
  board(4, 5) = -PAWN;  // own beside
  EXPECT_EQ(marked(guidance_squares(board, 5, 5, -GOLD, 0)), (Squares{{4, 5}}));
  EXPECT_EQ(marked(guidance_squares(board, 5, 5, -GOLD, 1)),
            (Squares{{4, 4}, {5, 4}, {6, 4}, {4, 5}, {6, 5}, {5, 6}}));
}

TEST(Guidance, EnemyPieceShowsItsOwnLinks) {
  Board board;
  board(5, 5) = GOLD;
  board(5, 6) = GOLD;
  board(5, 4) = -PAWN;
  EXPECT_EQ(marked(guidance_squares(board, 5, 5, GOLD, 0)), (Squares{{5, 6}}));
}

TEST(Guidance, DropsFollowTheLastRowRulesAndNeverMarkEnemies) {
  Board board;
  board(3, 1) = -GOLD;
  board(4, 2) = -GOLD;
  board(6, 6) = PAWN;
  board(7, 5) = PAWN;  // the weakest codes of each side
  board(5, 5) = -PAWN;
  EXPECT_EQ(marked(guidance_squares(board, LOWER_HAND_COLUMN, 3, -PAWN, 0)),
            (Squares{{4, 2}, {5, 5}}));
  // The hand column alone decides which enemy squares are left out.
  const Squares from_lower = marked(guidance_squares(board, LOWER_HAND_COLUMN, 3, -PAWN, 1));
  EXPECT_EQ(from_lower.count({6, 6}), 0u);
  EXPECT_EQ(from_lower.count({7, 5}), 0u);
  EXPECT_EQ(from_lower.count({4, 2}), 1u);
  EXPECT_EQ(from_lower.count({5, 5}), 1u);
  EXPECT_EQ(from_lower.count({5, 4}), 1u);
  const Squares from_upper = marked(guidance_squares(board, UPPER_HAND_COLUMN, 7, -PAWN, 1));
  EXPECT_EQ(from_upper.count({6, 6}), 1u);
  EXPECT_EQ(from_upper.count({7, 5}), 1u);
  EXPECT_EQ(from_upper.count({4, 2}), 0u);
  EXPECT_EQ(from_upper.count({5, 5}), 0u);
}

}  // namespace
}  // namespace kumora
