// A record entry is played back only when a person could have played it.
#include "kifu/replay_check.h"

#include <gtest/gtest.h>

#include "kifu/record.h"

namespace kumora {
namespace {

// The entry the window records for this move on `state`.
RecordEntry entry(const GameState& state, int from_x, int from_y, int to_x, int to_y, int moved,
                  int placed) {
  MoveRecord record;
  record_move(record, state.board, from_x, from_y, to_x, to_y, moved, placed, 0, 0, 0, 0);
  return record.entry[1];
}

TEST(ReplayProblem, ADropStartsOnlyOnAnOwnPieceItMayBeDroppedOn) {
  GameState state;
  state.lower_hand[1] = 1;
  state.board(5, 1) = -GOLD;  // a pawn may not be dropped on row 1
  const RecordEntry drop = entry(state, LOWER_HAND_COLUMN, 3, 5, 2, -PAWN, -PAWN);
  EXPECT_EQ(replay_problem(state, drop, 0), "その升には打てません");
  state.board(5, 3) = -GOLD;  // a start allowed to a pawn, whose step forward reaches (5, 2)
  EXPECT_EQ(replay_problem(state, drop, 0), "");
}

TEST(ReplayProblem, ASecondPawnInAColumnOnlyWhenItPromotes) {
  GameState state;
  state.lower_hand[1] = 1;
  state.board(4, 5) = -PAWN;
  state.board(5, 5) = -GOLD;
  EXPECT_EQ(replay_problem(state, entry(state, LOWER_HAND_COLUMN, 3, 4, 4, -PAWN, -PAWN), 0),
            "２歩です");
  EXPECT_EQ(replay_problem(state, entry(state, LOWER_HAND_COLUMN, 3, 6, 4, -PAWN, -PAWN), 0), "");

  state.board(6, 4) = -PAWN;  // carried by two golds into the other pawn's column
  state.board(6, 3) = -GOLD;
  state.board(5, 3) = -GOLD;
  const RecordEntry carried = entry(state, 6, 4, 4, 2, -PAWN, -PAWN);
  EXPECT_EQ(replay_problem(state, carried, 0), "２歩です");
  EXPECT_EQ(replay_problem(state, entry(state, 6, 4, 4, 2, -PAWN, -TOKIN), 0), "");
}

TEST(ReplayProblem, APieceThatCouldNotMoveOnMustPromote) {
  GameState state;
  state.board(5, 5) = -KNIGHT;
  state.board(4, 3) = -GOLD;  // the knight jumps onto it, then steps as a gold
  EXPECT_EQ(replay_problem(state, entry(state, 5, 5, 4, 2, -KNIGHT, -KNIGHT), 0),
            "成らなければならない駒が成っていません");
  EXPECT_EQ(replay_problem(state, entry(state, 5, 5, 4, 2, -KNIGHT, -PROMOTED_KNIGHT), 0), "");
  EXPECT_EQ(replay_problem(state, entry(state, 5, 5, 3, 3, -KNIGHT, -KNIGHT), 0), "");

  // A dropped piece never promotes on its drop, wherever the chain ends.
  state.lower_hand[3] = 1;
  EXPECT_EQ(replay_problem(state, entry(state, LOWER_HAND_COLUMN, 5, 4, 2, -KNIGHT, -KNIGHT), 0),
            "");
}

TEST(ReplayProblem, ABoardMoveNeedsAChainOfOwnPieces) {
  GameState state;
  set_initial_position(state);
  EXPECT_EQ(replay_problem(state, entry(state, 7, 7, 7, 6, -PAWN, -PAWN), 0),
            "その升へは動けません");
  EXPECT_EQ(replay_problem(state, entry(state, 8, 8, 8, 6, -ROOK, -ROOK), 0), "");
  EXPECT_EQ(replay_problem(state, entry(state, 2, 2, 2, 4, ROOK, ROOK), 0), "");
}

}  // namespace
}  // namespace kumora
