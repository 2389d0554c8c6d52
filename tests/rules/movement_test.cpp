// Steps, slides and the chain-move click test.
#include <gtest/gtest.h>

#include "rules/movement.h"
#include "tests/rules/positions.h"

namespace kumora {
namespace {

using testing::initial_board;

TEST(ChainFromInitialPosition, PawnWithNoOwnPieceAheadCannotMove) {
  const Board board = initial_board();
  EXPECT_TRUE(can_step(board, 5, 7, 5, 6, -PAWN));
  EXPECT_FALSE(can_step_or_chain(board, 5, 7, 5, 6, -PAWN, 0));
}

TEST(ChainFromInitialPosition, RookAndBishopChainThroughTheirOwnPawns) {
  const Board board = initial_board();
  EXPECT_TRUE(can_step_or_chain(board, 8, 8, 8, 7, -ROOK, 0));
  EXPECT_TRUE(can_step_or_chain(board, 8, 7, 8, 6, -PAWN, 1));
  EXPECT_TRUE(can_step_or_chain(board, 2, 8, 3, 7, -BISHOP, 0));
  EXPECT_TRUE(can_step_or_chain(board, 3, 7, 3, 6, -PAWN, 1));
  // The rook's own slide onto an empty square is no first step.
  EXPECT_FALSE(can_step_or_chain(board, 8, 8, 9, 8, -ROOK, 0));
}

TEST(ChainFromInitialPosition, GoldStepsSidewaysOntoTheSilverThenMovesAsTheSilver) {
  const Board board = initial_board();
  EXPECT_TRUE(can_step_or_chain(board, 4, 9, 3, 9, -GOLD, 0));
  EXPECT_TRUE(can_step_or_chain(board, 3, 9, 3, 8, -SILVER, 1));
  EXPECT_TRUE(can_step_or_chain(board, 3, 9, 4, 8, -SILVER, 1));
  EXPECT_TRUE(can_step_or_chain(board, 3, 9, 2, 8, -SILVER, 1));   // onto the bishop: a link
  EXPECT_FALSE(can_step_or_chain(board, 3, 9, 4, 9, -SILVER, 1));  // silver never steps sideways
}

TEST(ChainClicks, FirstClickAcceptsOnlyOwnPiecesAndNeverTheOrigin) {
  Board board;
  board(5, 5) = -KING;
  board(5, 4) = -GOLD;
  board(4, 4) = GOLD;
  EXPECT_FALSE(can_step_or_chain(board, 5, 5, 6, 4, -KING, 0));  // empty
  EXPECT_FALSE(can_step_or_chain(board, 5, 5, 4, 4, -KING, 0));  // enemy
  EXPECT_TRUE(can_step_or_chain(board, 5, 5, 5, 4, -KING, 0));   // own
  EXPECT_FALSE(can_step_or_chain(board, 5, 5, 5, 5, -KING, 0));
  EXPECT_TRUE(can_step_or_chain(board, 5, 5, 6, 4, -KING, 1));
  EXPECT_TRUE(can_step_or_chain(board, 5, 5, 4, 4, -KING, 1));
  EXPECT_FALSE(can_step_or_chain(board, 5, 5, 5, 5, -KING, 1));
  EXPECT_FALSE(can_step_onto_own(board, 5, 5, 4, 4, -KING));
}

TEST(ChainClicks, SilverThroughGoldEndsSideways) {
  Board board;
  board(5, 5) = -SILVER;
  board(5, 4) = -GOLD;
  EXPECT_TRUE(can_step_or_chain(board, 5, 5, 5, 4, -SILVER, 0));
  EXPECT_TRUE(can_step_or_chain(board, 5, 4, 6, 4, -GOLD, 1));
  EXPECT_FALSE(can_step_or_chain(board, 5, 4, 4, 5, -GOLD, 1));  // no backward diagonal
}

TEST(Slides, BlockedLanceCannotLinkAndOnlyTheFirstPieceOnALineCounts) {
  Board board;
  board(1, 9) = -LANCE;
  board(1, 5) = -GOLD;
  EXPECT_TRUE(can_step_onto_own(board, 1, 9, 1, 5, -LANCE));
  board(1, 7) = PAWN;  // an enemy in between
  EXPECT_FALSE(can_step_onto_own(board, 1, 9, 1, 5, -LANCE));
  EXPECT_TRUE(can_step(board, 1, 9, 1, 7, -LANCE));
  board(1, 7) = -PAWN;  // an own piece in between is a link, not a bridge
  EXPECT_FALSE(can_step_onto_own(board, 1, 9, 1, 5, -LANCE));
  EXPECT_TRUE(can_step_onto_own(board, 1, 9, 1, 7, -LANCE));
  EXPECT_FALSE(can_step(board, 1, 7, 1, 9, -LANCE));  // never backwards
}

TEST(Slides, PathClearTestsWalkStrictlyBetween) {
  Board board;
  board(5, 5) = PAWN;
  EXPECT_TRUE(orthogonal_path_clear(board, 5, 1, 5, 5));
  EXPECT_FALSE(orthogonal_path_clear(board, 5, 1, 5, 9));
  EXPECT_FALSE(orthogonal_path_clear(board, 1, 1, 2, 3));
  EXPECT_TRUE(diagonal_path_clear(board, 1, 1, 5, 5));
  EXPECT_FALSE(diagonal_path_clear(board, 1, 1, 9, 9));
  EXPECT_FALSE(diagonal_path_clear(board, 9, 1, 1, 9));
  EXPECT_FALSE(diagonal_path_clear(board, 1, 1, 2, 3));
}

TEST(Steps, KnightJumpsOverPiecesAndTestsOnlyItsLandingSquare) {
  Board board = initial_board();
  EXPECT_TRUE(can_step_onto_own(board, 2, 9, 1, 7, -KNIGHT));
  EXPECT_TRUE(can_step_onto_own(board, 2, 9, 3, 7, -KNIGHT));
  EXPECT_FALSE(can_step(board, 2, 9, 2, 7, -KNIGHT));
  EXPECT_FALSE(can_step(board, 8, 1, 7, 3, KNIGHT));  // own pawn: no plain step
  EXPECT_TRUE(can_step_onto_own(board, 8, 1, 9, 3, KNIGHT));
}

TEST(Steps, EachKindByItsPattern) {
  const Board board;
  // Lower pieces: forward is toward row 1.
  EXPECT_TRUE(can_step(board, 5, 5, 4, 6, -SILVER));
  EXPECT_FALSE(can_step(board, 5, 5, 5, 6, -SILVER));
  EXPECT_FALSE(can_step(board, 5, 5, 4, 5, -SILVER));
  EXPECT_FALSE(can_step(board, 5, 5, 4, 6, -GOLD));
  EXPECT_TRUE(can_step(board, 5, 5, 5, 6, -GOLD));
  for (int code : {-TOKIN, -PROMOTED_LANCE, -PROMOTED_KNIGHT, -PROMOTED_SILVER}) {
    EXPECT_TRUE(can_step(board, 5, 5, 4, 5, code)) << code;
    EXPECT_FALSE(can_step(board, 5, 5, 4, 6, code)) << code;
  }
  // Upper pieces: forward is toward row 9.
  EXPECT_TRUE(can_step(board, 5, 5, 5, 6, PAWN));
  EXPECT_FALSE(can_step(board, 5, 5, 5, 4, PAWN));
  EXPECT_TRUE(can_step(board, 5, 5, 4, 7, KNIGHT));
  EXPECT_FALSE(can_step(board, 5, 5, 4, 3, KNIGHT));
  EXPECT_TRUE(can_step(board, 5, 5, 4, 4, SILVER));
  EXPECT_FALSE(can_step(board, 5, 5, 5, 4, SILVER));
  EXPECT_TRUE(can_step(board, 5, 5, 5, 9, LANCE));
  EXPECT_FALSE(can_step(board, 5, 5, 5, 1, LANCE));
  // Promoted bishop and rook add the one-square steps of the other lines.
  EXPECT_TRUE(can_step(board, 5, 5, 5, 6, HORSE));
  EXPECT_FALSE(can_step(board, 5, 5, 5, 7, HORSE));
  EXPECT_TRUE(can_step(board, 5, 5, 9, 9, HORSE));
  EXPECT_TRUE(can_step(board, 5, 5, 6, 6, DRAGON));
  EXPECT_FALSE(can_step(board, 5, 5, 7, 7, DRAGON));
  EXPECT_TRUE(can_step(board, 5, 5, 5, 1, DRAGON));
  EXPECT_TRUE(can_step(board, 5, 5, 4, 6, -KING));
  EXPECT_FALSE(can_step(board, 5, 5, 5, 7, -KING));
  EXPECT_FALSE(can_step(board, 5, 5, 5, 10, -ROOK));  // off the board
}

TEST(Drops, OnlyOntoEmptySquaresAndNotOnTheLastRows) {
  Board board;
  board(5, 5) = PAWN;
  board(6, 6) = -PAWN;
  EXPECT_FALSE(can_step(board, LOWER_HAND_COLUMN, 3, 5, 5, -GOLD));
  EXPECT_FALSE(can_step(board, LOWER_HAND_COLUMN, 3, 6, 6, -GOLD));
  EXPECT_TRUE(can_step(board, LOWER_HAND_COLUMN, 3, 1, 1, -ROOK));
  EXPECT_FALSE(can_step(board, LOWER_HAND_COLUMN, 3, 1, 1, -PAWN));
  EXPECT_TRUE(can_step(board, LOWER_HAND_COLUMN, 3, 1, 2, -PAWN));
  EXPECT_FALSE(can_step(board, LOWER_HAND_COLUMN, 3, 1, 1, -LANCE));
  EXPECT_FALSE(can_step(board, LOWER_HAND_COLUMN, 3, 1, 2, -KNIGHT));
  EXPECT_TRUE(can_step(board, LOWER_HAND_COLUMN, 3, 1, 3, -KNIGHT));
  EXPECT_FALSE(can_step(board, UPPER_HAND_COLUMN, 7, 1, 9, PAWN));
  EXPECT_FALSE(can_step(board, UPPER_HAND_COLUMN, 7, 1, 8, KNIGHT));
  EXPECT_TRUE(can_step(board, UPPER_HAND_COLUMN, 7, 1, 7, KNIGHT));
}

TEST(Drops, TheFirstLinkObeysTheLastRowRules) {
  Board board;
  board(3, 1) = -GOLD;
  board(4, 2) = -GOLD;
  board(5, 3) = -GOLD;
  EXPECT_FALSE(can_step_or_chain(board, LOWER_HAND_COLUMN, 3, 3, 1, -PAWN, 0));
  EXPECT_TRUE(can_step_or_chain(board, LOWER_HAND_COLUMN, 3, 4, 2, -PAWN, 0));
  EXPECT_FALSE(can_step_or_chain(board, LOWER_HAND_COLUMN, 5, 4, 2, -KNIGHT, 0));
  EXPECT_TRUE(can_step_or_chain(board, LOWER_HAND_COLUMN, 5, 5, 3, -KNIGHT, 0));
  EXPECT_FALSE(can_step_or_chain(board, LOWER_HAND_COLUMN, 5, 6, 3, -KNIGHT, 0));  // empty
}

}  // namespace
}  // namespace kumora
