// score_move on hand-made positions: the values that end the scoring, the
// drop that hangs, and how far each level goes.
#include <gtest/gtest.h>

#include <initializer_list>

#include "analysis/analyze_board.h"
#include "com/com_search.h"
#include "com/evaluations.h"
#include "com/score_move.h"
#include "tests/com/search_corpus.h"
#include "tests/com/test_positions.h"

namespace kumora {
namespace {


// Prepares the turn on `before`, then puts the candidate on the board and
// scores it the way the search does.
struct Scored {
  testing::TurnWorld turn;

  Scored(const GameState& before, int level) : turn(before, level) { prepare_turn(turn.world); }

  Score board_move(int fx, int fy, int tx, int ty, int placed) {
    Board& board = turn.state.board;
    const int moving = board(fx, fy);
    const int captured = board(tx, ty);
    turn.context.moving_piece = moving;
    board(fx, fy) = EMPTY;
    board(tx, ty) = placed;
    analyze_board(turn.state, turn.tables);
    const Score score = score_move(turn.world, captured, placed, fx, fy, tx, ty);
    board(tx, ty) = captured;
    board(fx, fy) = moving;
    return score;
  }

  Score drop(int kind, int tx, int ty) {
    Board& board = turn.state.board;
    const int piece = HAND_SLOT_CODES[kind];
    board(tx, ty) = piece;
    analyze_board(turn.state, turn.tables);
    const Score score = score_move(turn.world, EMPTY, piece, UPPER_HAND_COLUMN, kind, tx, ty);
    board(tx, ty) = EMPTY;
    return score;
  }
};

TEST(ScoreText, OneDecimalWithSign) {
  EXPECT_EQ(score_text(-51), "-5.1");
  EXPECT_EQ(score_text(KING_CAPTURE_SCORE), "9999.0");
  EXPECT_EQ(score_text(0), "0.0");
  EXPECT_EQ(score_text(-5), "-0.5");
  EXPECT_EQ(score_text(NO_SCORE_YET), "-99999.0");
}

// The upper king stands attacked by a lower rook; a gold can take the lower king.
GameState king_capture_in_check() {
  return position_of({{5, 1, KING}, {5, 5, -ROOK}, {8, 8, GOLD}, {8, 7, SILVER}, {9, 9, -KING},
                      {1, 9, -PAWN}});
}

TEST(ScoreMove, TakingTheKingScores9999EvenWhenTheOwnKingIsAttacked) {
  for (int level = 1; level <= 3; ++level) {
    Scored s(king_capture_in_check(), level);
    EXPECT_EQ(s.board_move(8, 8, 9, 9, GOLD), KING_CAPTURE_SCORE) << level;
  }
}

TEST(ScoreMove, LeavingTheOwnKingAttackedScoresMinus9998) {
  Scored s(king_capture_in_check(), 3);
  EXPECT_EQ(s.board_move(8, 8, 7, 8, GOLD), FORBIDDEN_SCORE);
}

// A lone lower king on (5, 9) cannot move; an upper gold on (4, 7) carries a
// chain over (5, 8) onto the king's square, so a check from (5, 8) mates.
GameState mate_on_the_last_row() {
  GameState state = position_of({{5, 9, -KING}, {5, 1, KING}, {4, 7, GOLD}, {9, 3, -PAWN}});
  state.upper_hand[1] = 1;
  state.upper_hand[5] = 1;
  recompute_hand_totals(state);
  return state;
}

TEST(ScoreMove, MateByAPawnIsRefusedAndByAnyOtherPieceScores9998) {
  for (int level = 1; level <= 3; ++level) {
    Scored s(mate_on_the_last_row(), level);
    EXPECT_EQ(s.drop(1, 5, 8), FORBIDDEN_SCORE) << level;
    EXPECT_EQ(s.drop(5, 5, 8), MATE_SCORE) << level;
  }
}

TEST(ScoreMove, TheSearchPlaysTheGoldMateNotThePawnMate) {
  testing::TurnWorld turn(mate_on_the_last_row(), 3);
  prepare_turn(turn.world);
  const ComMove move = search_best_move(turn.world, nullptr, nullptr);
  EXPECT_EQ(move.score, MATE_SCORE);
  EXPECT_EQ(move.moved, GOLD);
  EXPECT_EQ(turn.state.board, mate_on_the_last_row().board);
}

// A silver dropped on (5, 5), where a lower pawn on (5, 6) attacks it and no
// upper piece defends it.
GameState hanging_drop() {
  GameState state = position_of({{5, 1, KING}, {4, 1, GOLD}, {5, 6, -PAWN}, {9, 9, -KING},
                                 {3, 4, SILVER}});
  state.upper_hand[4] = 1;
  recompute_hand_totals(state);
  return state;
}

TEST(ScoreMove, AnAttackedUndefendedDropLosesItsValuePlus50Plus5) {
  Scored one(hanging_drop(), 1);
  Scored two(hanging_drop(), 2);
  one.turn.context.mover_king_distance = 0;
  two.turn.context.mover_king_distance = 0;
  const Score level_one = one.drop(4, 5, 5);
  const Score level_two = two.drop(4, 5, 5);
  EXPECT_EQ(level_two - level_one, -tenths(SILVER + 50));
  one.turn.state.board(5, 5) = SILVER;
  analyze_board(one.turn.state, one.turn.tables);
  EXPECT_EQ(level_one, -tenths(5) + board_safety(one.turn.world, SILVER, 5, 5));
}

TEST(ScoreMove, LevelOneAndTwoLeaveOutTheLaterGroups) {
  // A knight step: level 3 adds at least the knight's -0.1.
  const GameState before = position_of({{5, 1, KING}, {4, 1, GOLD}, {2, 1, KNIGHT},
                                        {3, 3, PAWN}, {9, 9, -KING}, {1, 9, -PAWN}});
  Score by_level[4] = {};
  for (int level = 1; level <= 3; ++level) {
    Scored s(before, level);
    s.turn.context.mover_king_distance = 9;
    by_level[level] = s.board_move(2, 1, 3, 4, KNIGHT);
  }
  // Level 2 adds the approach to the person's king (dX 6 > dY 5, from 9 away): +1.
  EXPECT_EQ(by_level[2] - by_level[1], tenths(1));
  EXPECT_EQ(by_level[3] - by_level[2], -1);
}

TEST(ScoreMove, PawnFacingALowerPawnEndsWithMinusFiveAtLevelThree) {
  // The pawn on (5, 3) passes its silver on (5, 4) and stops on (5, 5), in
  // front of a lower pawn that attacks it as often as the silver defends it.
  const GameState before = position_of({{5, 1, KING}, {5, 3, PAWN}, {5, 4, SILVER},
                                        {5, 6, -PAWN}, {9, 9, -KING}});
  Scored two(before, 2);
  Scored three(before, 3);
  const Score at_two = two.board_move(5, 3, 5, 5, PAWN);
  const Score at_three = three.board_move(5, 3, 5, 5, PAWN);
  // -0.1 for the step, +0.6 for the silver behind it, then -5 and the end.
  EXPECT_EQ(at_three - at_two, -1 + 6 - tenths(5));
}

}  // namespace
}  // namespace kumora
