// Steps, slides and the chain-move click test.
#include <gtest/gtest.h>

#include "rules/movement.h"
#include "tests/core/positions.h"

namespace kumora {
namespace {

using testing::initial_board;

TEST(ChainFromInitialPosition, PawnWithNoOwnPieceAheadCannotMove) {
  const Board board = initial_board();
  EXPECT_EQ(can_step(board, 5, 7, 5, 6, -PAWN), ON);
  EXPECT_EQ(can_step_or_chain(board, 5, 7, 5, 6, -PAWN, 0), OFF);
}

TEST(ChainFromInitialPosition, RookAndBishopChainThroughTheirOwnPawns) {
  const Board board = initial_board();
  EXPECT_EQ(can_step_or_chain(board, 8, 8, 8, 7, -ROOK, 0), ON);
  EXPECT_EQ(can_step_or_chain(board, 8, 7, 8, 6, -PAWN, 1), ON);
  EXPECT_EQ(can_step_or_chain(board, 2, 8, 3, 7, -BISHOP, 0), ON);
  EXPECT_EQ(can_step_or_chain(board, 3, 7, 3, 6, -PAWN, 1), ON);
  // The rook's own slide onto an empty square is no first step.
  EXPECT_EQ(can_step_or_chain(board, 8, 8, 9, 8, -ROOK, 0), OFF);
}

TEST(ChainFromInitialPosition, GoldStepsSidewaysOntoTheSilverThenMovesAsTheSilver) {
  const Board board = initial_board();
  EXPECT_EQ(can_step_or_chain(board, 4, 9, 3, 9, -GOLD, 0), ON);
  EXPECT_EQ(can_step_or_chain(board, 3, 9, 3, 8, -SILVER, 1), ON);
  EXPECT_EQ(can_step_or_chain(board, 3, 9, 4, 8, -SILVER, 1), ON);
  EXPECT_EQ(can_step_or_chain(board, 3, 9, 2, 8, -SILVER, 1), ON);   // onto the bishop: a link
  EXPECT_EQ(can_step_or_chain(board, 3, 9, 4, 9, -SILVER, 1), OFF);  // silver never steps sideways
}

TEST(ChainClicks, FirstClickAcceptsOnlyOwnPiecesAndNeverTheOrigin) {
  Board board;
  board(5, 5) = -KING;
  board(5, 4) = -GOLD;
  board(4, 4) = GOLD;
  EXPECT_EQ(can_step_or_chain(board, 5, 5, 6, 4, -KING, 0), OFF);  // empty
  EXPECT_EQ(can_step_or_chain(board, 5, 5, 4, 4, -KING, 0), OFF);  // enemy
  EXPECT_EQ(can_step_or_chain(board, 5, 5, 5, 4, -KING, 0), ON);   // own
  EXPECT_EQ(can_step_or_chain(board, 5, 5, 5, 5, -KING, 0), OFF);
  EXPECT_EQ(can_step_or_chain(board, 5, 5, 6, 4, -KING, 1), ON);
  EXPECT_EQ(can_step_or_chain(board, 5, 5, 4, 4, -KING, 1), ON);
  EXPECT_EQ(can_step_or_chain(board, 5, 5, 5, 5, -KING, 1), OFF);
  EXPECT_EQ(can_step_onto_own(board, 5, 5, 4, 4, -KING), OFF);
}

TEST(ChainClicks, SilverThroughGoldEndsSideways) {
  Board board;
  board(5, 5) = -SILVER;
  board(5, 4) = -GOLD;
  EXPECT_EQ(can_step_or_chain(board, 5, 5, 5, 4, -SILVER, 0), ON);
  EXPECT_EQ(can_step_or_chain(board, 5, 4, 6, 4, -GOLD, 1), ON);
  EXPECT_EQ(can_step_or_chain(board, 5, 4, 4, 5, -GOLD, 1), OFF);  // no backward diagonal
}

TEST(Slides, BlockedLanceCannotLinkAndOnlyTheFirstPieceOnALineCounts) {
  Board board;
  board(1, 9) = -LANCE;
  board(1, 5) = -GOLD;
  EXPECT_EQ(can_step_onto_own(board, 1, 9, 1, 5, -LANCE), ON);
  board(1, 7) = PAWN;  // an enemy in between
  EXPECT_EQ(can_step_onto_own(board, 1, 9, 1, 5, -LANCE), OFF);
  EXPECT_EQ(can_step(board, 1, 9, 1, 7, -LANCE), ON);
  board(1, 7) = -PAWN;  // an own piece in between is a link, not a bridge
  EXPECT_EQ(can_step_onto_own(board, 1, 9, 1, 5, -LANCE), OFF);
  EXPECT_EQ(can_step_onto_own(board, 1, 9, 1, 7, -LANCE), ON);
  EXPECT_EQ(can_step(board, 1, 7, 1, 9, -LANCE), OFF);  // never backwards
}

TEST(Slides, PathClearTestsWalkStrictlyBetween) {
  Board board;
  board(5, 5) = PAWN;
  EXPECT_EQ(orthogonal_path_clear(board, 5, 1, 5, 5), ON);
  EXPECT_EQ(orthogonal_path_clear(board, 5, 1, 5, 9), OFF);
  EXPECT_EQ(orthogonal_path_clear(board, 1, 1, 2, 3), OFF);
  EXPECT_EQ(diagonal_path_clear(board, 1, 1, 5, 5), ON);
  EXPECT_EQ(diagonal_path_clear(board, 1, 1, 9, 9), OFF);
  EXPECT_EQ(diagonal_path_clear(board, 9, 1, 1, 9), OFF);
  EXPECT_EQ(diagonal_path_clear(board, 1, 1, 2, 3), OFF);
}

TEST(Steps, KnightJumpsOverPiecesAndTestsOnlyItsLandingSquare) {
  Board board = initial_board();
  EXPECT_EQ(can_step_onto_own(board, 2, 9, 1, 7, -KNIGHT), ON);
  EXPECT_EQ(can_step_onto_own(board, 2, 9, 3, 7, -KNIGHT), ON);
  EXPECT_EQ(can_step(board, 2, 9, 2, 7, -KNIGHT), OFF);
  EXPECT_EQ(can_step(board, 8, 1, 7, 3, KNIGHT), OFF);  // own pawn: no plain step
  EXPECT_EQ(can_step_onto_own(board, 8, 1, 9, 3, KNIGHT), ON);
}

TEST(Steps, EachKindByItsPattern) {
  const Board board;
  // Lower pieces: forward is toward row 1.
  EXPECT_EQ(can_step(board, 5, 5, 4, 6, -SILVER), ON);
  EXPECT_EQ(can_step(board, 5, 5, 5, 6, -SILVER), OFF);
  EXPECT_EQ(can_step(board, 5, 5, 4, 5, -SILVER), OFF);
  EXPECT_EQ(can_step(board, 5, 5, 4, 6, -GOLD), OFF);
  EXPECT_EQ(can_step(board, 5, 5, 5, 6, -GOLD), ON);
  for (int code : {-TOKIN, -PROMOTED_LANCE, -PROMOTED_KNIGHT, -PROMOTED_SILVER}) {
    EXPECT_EQ(can_step(board, 5, 5, 4, 5, code), ON) << code;
    EXPECT_EQ(can_step(board, 5, 5, 4, 6, code), OFF) << code;
  }
  // Upper pieces: forward is toward row 9.
  EXPECT_EQ(can_step(board, 5, 5, 5, 6, PAWN), ON);
  EXPECT_EQ(can_step(board, 5, 5, 5, 4, PAWN), OFF);
  EXPECT_EQ(can_step(board, 5, 5, 4, 7, KNIGHT), ON);
  EXPECT_EQ(can_step(board, 5, 5, 4, 3, KNIGHT), OFF);
  EXPECT_EQ(can_step(board, 5, 5, 4, 4, SILVER), ON);
  EXPECT_EQ(can_step(board, 5, 5, 5, 4, SILVER), OFF);
  EXPECT_EQ(can_step(board, 5, 5, 5, 9, LANCE), ON);
  EXPECT_EQ(can_step(board, 5, 5, 5, 1, LANCE), OFF);
  // Promoted bishop and rook add the one-square steps of the other lines.
  EXPECT_EQ(can_step(board, 5, 5, 5, 6, HORSE), ON);
  EXPECT_EQ(can_step(board, 5, 5, 5, 7, HORSE), OFF);
  EXPECT_EQ(can_step(board, 5, 5, 9, 9, HORSE), ON);
  EXPECT_EQ(can_step(board, 5, 5, 6, 6, DRAGON), ON);
  EXPECT_EQ(can_step(board, 5, 5, 7, 7, DRAGON), OFF);
  EXPECT_EQ(can_step(board, 5, 5, 5, 1, DRAGON), ON);
  EXPECT_EQ(can_step(board, 5, 5, 4, 6, -KING), ON);
  EXPECT_EQ(can_step(board, 5, 5, 5, 7, -KING), OFF);
  EXPECT_EQ(can_step(board, 5, 5, 5, 10, -ROOK), OFF);  // off the board
}

TEST(Drops, OnlyOntoEmptySquaresAndNotOnTheLastRows) {
  Board board;
  board(5, 5) = PAWN;
  board(6, 6) = -PAWN;
  EXPECT_EQ(can_step(board, LOWER_HAND_COLUMN, 3, 5, 5, -GOLD), OFF);
  EXPECT_EQ(can_step(board, LOWER_HAND_COLUMN, 3, 6, 6, -GOLD), OFF);
  EXPECT_EQ(can_step(board, LOWER_HAND_COLUMN, 3, 1, 1, -ROOK), ON);
  EXPECT_EQ(can_step(board, LOWER_HAND_COLUMN, 3, 1, 1, -PAWN), OFF);
  EXPECT_EQ(can_step(board, LOWER_HAND_COLUMN, 3, 1, 2, -PAWN), ON);
  EXPECT_EQ(can_step(board, LOWER_HAND_COLUMN, 3, 1, 1, -LANCE), OFF);
  EXPECT_EQ(can_step(board, LOWER_HAND_COLUMN, 3, 1, 2, -KNIGHT), OFF);
  EXPECT_EQ(can_step(board, LOWER_HAND_COLUMN, 3, 1, 3, -KNIGHT), ON);
  EXPECT_EQ(can_step(board, UPPER_HAND_COLUMN, 7, 1, 9, PAWN), OFF);
  EXPECT_EQ(can_step(board, UPPER_HAND_COLUMN, 7, 1, 8, KNIGHT), OFF);
  EXPECT_EQ(can_step(board, UPPER_HAND_COLUMN, 7, 1, 7, KNIGHT), ON);
}

TEST(Drops, TheFirstLinkObeysTheLastRowRules) {
  Board board;
  board(3, 1) = -GOLD;
  board(4, 2) = -GOLD;
  board(5, 3) = -GOLD;
  EXPECT_EQ(can_step_or_chain(board, LOWER_HAND_COLUMN, 3, 3, 1, -PAWN, 0), OFF);
  EXPECT_EQ(can_step_or_chain(board, LOWER_HAND_COLUMN, 3, 4, 2, -PAWN, 0), ON);
  EXPECT_EQ(can_step_or_chain(board, LOWER_HAND_COLUMN, 5, 4, 2, -KNIGHT, 0), OFF);
  EXPECT_EQ(can_step_or_chain(board, LOWER_HAND_COLUMN, 5, 5, 3, -KNIGHT, 0), ON);
  EXPECT_EQ(can_step_or_chain(board, LOWER_HAND_COLUMN, 5, 6, 3, -KNIGHT, 0), OFF);  // empty
}

}  // namespace
}  // namespace kumora
