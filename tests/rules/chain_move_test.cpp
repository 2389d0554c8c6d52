// Whole chain moves as a person's clicks can build them.
#include "rules/chain_move.h"

#include <gtest/gtest.h>

namespace kumora {
namespace {

TEST(ChainMoveReaches, FollowsLinksOfLinks) {
  Board board;
  board(9, 9) = -LANCE;
  board(9, 5) = -KNIGHT;  // lance slides up to it
  board(8, 3) = -SILVER;  // the knight jumps to it
  board(2, 2) = KING;
  EXPECT_TRUE(chain_move_reaches(board, 9, 9, 7, 2, -LANCE));   // as the silver, diagonally
  EXPECT_FALSE(chain_move_reaches(board, 9, 9, 8, 4, -LANCE));  // silver never steps straight back
  board(9, 7) = PAWN;                                           // blocks the lance: no link at all
  EXPECT_FALSE(chain_move_reaches(board, 9, 9, 7, 2, -LANCE));
}

TEST(ChainMoveReaches, NeverPassesBackThroughTheOrigin) {
  Board board;
  board(5, 5) = -SILVER;
  board(5, 4) = -GOLD;  // its step straight back is the silver's own square
  EXPECT_TRUE(chain_move_reaches(board, 5, 5, 4, 3, -SILVER));
  EXPECT_FALSE(chain_move_reaches(board, 5, 5, 4, 6, -SILVER));  // only as the silver again
}

TEST(ChainMoveReaches, DropsStartOnlyWhereThePieceMayBeDropped) {
  Board board;
  board(5, 1) = -GOLD;
  EXPECT_FALSE(chain_move_reaches(board, LOWER_HAND_COLUMN, 3, 4, 1, -PAWN));
  EXPECT_TRUE(chain_move_reaches(board, LOWER_HAND_COLUMN, 9, 4, 1, -ROOK));
  board(5, 3) = -GOLD;
  EXPECT_TRUE(chain_move_reaches(board, LOWER_HAND_COLUMN, 3, 4, 3, -PAWN));
  EXPECT_TRUE(chain_move_reaches(board, LOWER_HAND_COLUMN, 5, 4, 3, -KNIGHT));
  EXPECT_FALSE(chain_move_reaches(board, LOWER_HAND_COLUMN, 5, 4, 1, -KNIGHT));
}

}  // namespace
}  // namespace kumora
