// Recovering the chain of the computer's move.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "rules/chain_path.h"

namespace kumora {
namespace {

using Path = std::vector<std::pair<int, int>>;

Path path_of(const ReachState& reach, int entries) {
  Path path;
  for (int e = 1; e <= entries; ++e) path.push_back({reach.path_x[e], reach.path_y[e]});
  return path;
}

TEST(ChainPath, FollowsSeveralLinksOfDifferentKinds) {
  Board board;
  board(1, 1) = LANCE;
  board(1, 4) = SILVER;
  board(2, 5) = GOLD;
  board(3, 5) = KNIGHT;
  board(5, 9) = -KING;
  ReachState reach;
  ASSERT_TRUE(find_chain_path(reach, board, 1, 1, 4, 7, LANCE));
  EXPECT_EQ(path_of(reach, 5), (Path{{1, 1}, {1, 4}, {2, 5}, {3, 5}, {4, 7}}));
  EXPECT_EQ(board(1, 1), LANCE);  // the position is untouched
}

TEST(ChainPath, NeverComesBackThroughTheOrigin) {
  // From (3, 5) the first square tried toward (2, 6) would be the origin (2, 5),
  // from where the gold also reaches (2, 6).
  Board board;
  board(2, 5) = GOLD;
  board(3, 5) = GOLD;
  ReachState reach;
  ASSERT_TRUE(find_chain_path(reach, board, 2, 5, 2, 6, GOLD));
  EXPECT_EQ(path_of(reach, 3), (Path{{2, 5}, {3, 5}, {2, 6}}));
}

TEST(ChainPath, DropStartsFromTheHandCell) {
  Board board;
  board(5, 5) = GOLD;
  ReachState reach;
  ASSERT_TRUE(find_chain_path(reach, board, UPPER_HAND_COLUMN, 2, 5, 6, BISHOP));
  EXPECT_EQ(path_of(reach, 3), (Path{{UPPER_HAND_COLUMN, 2}, {5, 5}, {5, 6}}));
}

// A column of upper pawns: each one links only onto the next.
Board pawn_column(int links) {
  Board board;
  for (int y = 1; y <= links + 1; ++y) board(1, y) = PAWN;
  return board;
}

TEST(ChainPath, SixLinksAreFoundSevenAreNot) {
  ReachState reach;
  ASSERT_TRUE(find_chain_path(reach, pawn_column(6), 1, 1, 1, 8, PAWN));
  EXPECT_EQ(reach.path_x[8], 1);
  EXPECT_EQ(reach.path_y[8], 8);

  ReachState other;
  other.path_x[2] = 7;
  other.path_y[2] = 7;
  EXPECT_FALSE(find_chain_path(other, pawn_column(7), 1, 1, 1, 9, PAWN));
  EXPECT_EQ(other.path_x[1], 1);
  EXPECT_EQ(other.path_x[2], 7);
  EXPECT_EQ(other.path_y[2], 7);
}

TEST(ChainPath, AFailedBranchLeavesItsSquaresToTheNextOne) {
  // A lance over a column of pawns reaches (1, 9).  The branch through the first
  // pawn runs out of depth on (1, 8); the next one starts on (1, 3) and may use
  // the squares the failed branch passed.
  Board board = pawn_column(7);
  board(1, 1) = LANCE;
  ReachState reach;
  ASSERT_TRUE(find_chain_path(reach, board, 1, 1, 1, 9, LANCE));
  EXPECT_EQ(path_of(reach, 8),
            (Path{{1, 1}, {1, 3}, {1, 4}, {1, 5}, {1, 6}, {1, 7}, {1, 8}, {1, 9}}));
}

}  // namespace
}  // namespace kumora
