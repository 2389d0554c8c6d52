// score_move as the search applies it: the scores the search itself gives
// candidates of hand-made positions, for the values that end the scoring, the
// terms that depend on how the search plays the candidate, and how far each
// level goes.
#include <gtest/gtest.h>

#include "analysis/analyze_board.h"
#include "com/com_search.h"
#include "com/com_turn.h"
#include "com/evaluations.h"
#include "com/score_move.h"
#include "tests/com/test_positions.h"
#include "tests/com/turn_log.h"
#include "tests/support/search_corpus.h"

namespace kumora {
namespace {

using testing::play_turn;
using testing::PlayedTurn;

TEST(ScoreText, OneDecimalWithSign) {
  EXPECT_EQ(score_text(-51), "-5.1");
  EXPECT_EQ(score_text(KING_CAPTURE_SCORE), "9999.0");
  EXPECT_EQ(score_text(0), "0.0");
  EXPECT_EQ(score_text(-5), "-0.5");
  EXPECT_EQ(score_text(NO_SCORE_YET), "-99999.0");
}

// The upper king stands attacked by a lower rook; the gold on (8, 7) can take
// the lower king on (9, 9) over the silver on (8, 8).
GameState king_capture_in_check() {
  return position_of(
      {{5, 1, KING}, {5, 5, -ROOK}, {8, 7, GOLD}, {8, 8, SILVER}, {9, 9, -KING}, {1, 9, -PAWN}});
}

TEST(ScoreMove, TakingTheKingScores9999EvenWhenTheOwnKingIsAttacked) {
  for (int level = 1; level <= 3; ++level) {
    const PlayedTurn turn = play_turn(king_capture_in_check(), level);
    EXPECT_EQ(turn.log.score_of(8, 7, 9, 9, GOLD), KING_CAPTURE_SCORE) << level;
    EXPECT_EQ(turn.move.to_x * 10 + turn.move.to_y, 99) << level;
  }
}

TEST(ScoreMove, LeavingTheOwnKingAttackedScoresMinus9998) {
  const PlayedTurn turn = play_turn(king_capture_in_check(), 3);
  EXPECT_EQ(turn.log.score_of(8, 7, 7, 9, GOLD), FORBIDDEN_SCORE);
  EXPECT_EQ(turn.log.score_of(8, 7, 9, 7, GOLD), FORBIDDEN_SCORE);
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

// The pawn drop on (5, 8) is scored and refused at every level; the gold
// drops come later, and the first of them that mates ends the search.
TEST(ScoreMove, MateByAPawnIsRefusedAndByAnyOtherPieceScores9998) {
  for (int level = 1; level <= 3; ++level) {
    const PlayedTurn turn = play_turn(mate_on_the_last_row(), level);
    EXPECT_EQ(turn.log.score_of(UPPER_HAND_COLUMN, 1, 5, 8, PAWN), FORBIDDEN_SCORE) << level;
    EXPECT_EQ(turn.move.score, MATE_SCORE) << level;
    EXPECT_EQ(turn.move.from_x * 10 + turn.move.from_y, UPPER_HAND_COLUMN * 10 + 5) << level;
    EXPECT_EQ(turn.move.moved, GOLD) << level;
    const testing::Scoring& last = turn.log.entries.back();
    EXPECT_EQ(last.tx * 10 + last.ty, turn.move.to_x * 10 + turn.move.to_y) << level;
    EXPECT_EQ(turn.board_after, mate_on_the_last_row().board);
  }
}

// A silver dropped on (5, 5), where a lower pawn on (5, 6) attacks it and no
// upper piece defends it.  No chain ends there (a chain always ends on a
// square the link it passed last covers), so the search never meets this
// term: score_move is called on the position after the drop.
TEST(ScoreMove, AnAttackedUndefendedDropLosesItsValuePlus50Plus5) {
  GameState before =
      position_of({{5, 1, KING}, {4, 1, GOLD}, {5, 6, -PAWN}, {9, 9, -KING}, {3, 4, SILVER}});
  before.upper_hand[4] = 1;
  recompute_hand_totals(before);
  Score by_level[3] = {};
  for (int level = 1; level <= 2; ++level) {
    ComPosition turn(before, level);
    prepare_turn(turn.world);
    turn.state.board(5, 5) = SILVER;
    analyze_board(turn.state, turn.tables);
    by_level[level] = score_move(turn.world, EMPTY, SILVER, UPPER_HAND_COLUMN, 4, 5, 5);
    if (level == 1) {  // a drop costs 0.5 before the safety of the board
      EXPECT_EQ(by_level[1], -tenths(5) + board_safety(turn.world, SILVER, 5, 5));
    }
  }
  EXPECT_EQ(by_level[2] - by_level[1], -tenths(SILVER + 50));
}

TEST(ScoreMove, LevelOneAndTwoLeaveOutTheLaterGroups) {
  // The knight on (2, 1) goes over the pawn on (3, 3) to (3, 4).
  const GameState before = position_of(
      {{5, 1, KING}, {4, 1, GOLD}, {2, 1, KNIGHT}, {3, 3, PAWN}, {9, 9, -KING}, {1, 9, -PAWN}});
  Score by_level[4] = {};
  for (int level = 1; level <= 3; ++level)
    by_level[level] = play_turn(before, level).log.score_of(2, 1, 3, 4, KNIGHT).value_or(-1);
  // Level 2 adds the approach to the person's king: dX 6 > dY 5, and the
  // knight started 8 away, so +1.  Level 3 adds the knight's -0.1.
  EXPECT_EQ(by_level[2] - by_level[1], tenths(1));
  EXPECT_EQ(by_level[3] - by_level[2], -1);
}

// The approach counts from the square the piece leaves, in the larger of its
// two distances to the person's king: the gold on (5, 1) goes over the silver
// on (5, 2) to (6, 3), with nothing else in group 2 to add.
TEST(ScoreMove, ApproachIsMeasuredFromTheOriginToThePersonsKing) {
  struct Case {
    int king_x, king_y;
    Score gain;
  };
  const Case cases[] = {
      {7, 9, 1},          // lengthwise: dY 6, and the gold was max(2, 8) = 8 away: +0.1
      {9, 3, tenths(1)},  // sideways: dX 3, and the gold was max(4, 2) = 4 away: +1
      {3, 4, 0},          // sideways: dX 3, and the gold was max(2, 3) = 3 away: nothing
  };
  for (const Case& c : cases) {
    const GameState before = position_of(
        {{1, 1, KING}, {5, 1, GOLD}, {5, 2, SILVER}, {c.king_x, c.king_y, -KING}, {9, 9, -PAWN}});
    const Score one = play_turn(before, 1).log.score_of(5, 1, 6, 3, GOLD).value_or(-999);
    const Score two = play_turn(before, 2).log.score_of(5, 1, 6, 3, GOLD).value_or(-999);
    EXPECT_EQ(two - one, c.gain) << c.king_x << "," << c.king_y;
  }
}

// The person's king on (5, 9) is in check from the pawn on (5, 8).  The silver
// on (2, 8) goes over the dragon on (3, 9) to (4, 8), diagonally next to the
// king, or to (3, 8), two columns away; the dragon on the king's row is the
// cheapest defender of both squares.  Only the diagonal neighbour gains 900.
TEST(ScoreMove, DragonBackedPieceGains900OnlyDiagonallyNextToTheKing) {
  const GameState before = position_of({{9, 1, KING},
                                        {3, 9, DRAGON},
                                        {2, 8, SILVER},
                                        {5, 8, PAWN},
                                        {5, 9, -KING},
                                        {4, 9, -GOLD},
                                        {6, 8, -GOLD},
                                        {1, 7, -PAWN}});
  const PlayedTurn turn = play_turn(before, 1);
  const auto next_to_king = turn.log.score_of(2, 8, 4, 8, SILVER);
  const auto two_columns_away = turn.log.score_of(2, 8, 3, 8, SILVER);
  ASSERT_TRUE(next_to_king && two_columns_away);
  EXPECT_EQ(*next_to_king - *two_columns_away, tenths(900));
}

// Taking a piece on a square the person does not attack gains its value, and
// 50 more for a promoted pawn, lance or knight: the gold on (5, 4) takes over
// the silver on (5, 5) what stands on (5, 6).
TEST(ScoreMove, TakingAPromotedPawnLanceOrKnightGains50More) {
  const int promoted[] = {TOKIN, PROMOTED_LANCE, PROMOTED_KNIGHT, PROMOTED_SILVER};
  for (int code : promoted) {
    const GameState before = position_of(
        {{1, 1, KING}, {5, 4, GOLD}, {5, 5, SILVER}, {5, 6, -code}, {9, 9, -KING}, {1, 9, -PAWN}});
    const Score one = play_turn(before, 1).log.score_of(5, 4, 5, 6, GOLD).value_or(-999);
    const Score two = play_turn(before, 2).log.score_of(5, 4, 5, 6, GOLD).value_or(-999);
    // Level 2 adds the capture and +1 for coming closer (dX 4, from 5 away).
    EXPECT_EQ(two - one, tenths(1 + code) + (code == PROMOTED_SILVER ? 0 : tenths(50))) << code;
  }
}

TEST(ScoreMove, PawnFacingALowerPawnEndsWithMinusFiveAtLevelThree) {
  // The pawn on (5, 3) passes its silver on (5, 4) and stops on (5, 5), in
  // front of a lower pawn that attacks it as often as the silver defends it.
  const GameState before =
      position_of({{5, 1, KING}, {5, 3, PAWN}, {5, 4, SILVER}, {5, 6, -PAWN}, {9, 9, -KING}});
  const Score at_two = play_turn(before, 2).log.score_of(5, 3, 5, 5, PAWN).value_or(-999);
  const Score at_three = play_turn(before, 3).log.score_of(5, 3, 5, 5, PAWN).value_or(-999);
  // -0.1 for the step, +0.6 for the silver behind it, then -5 and the end.
  EXPECT_EQ(at_three - at_two, -1 + 6 - tenths(5));
}

// The promotion bonus compares the placed piece with the piece that moved:
// the silver on (5, 5) goes over the gold on (5, 6) to (5, 7), far from
// everything else, and its promoted version scores exactly 10 more.
TEST(ScoreMove, PromotedVersionGainsTenOverTheUnpromoted) {
  const GameState before =
      position_of({{1, 1, KING}, {5, 5, SILVER}, {5, 6, GOLD}, {9, 9, -KING}, {1, 9, -PAWN}});
  for (int level = 1; level <= 2; ++level) {
    const PlayedTurn turn = play_turn(before, level);
    const auto plain = turn.log.score_of(5, 5, 5, 7, SILVER);
    const auto promoted = turn.log.score_of(5, 5, 5, 7, PROMOTED_SILVER);
    ASSERT_TRUE(plain && promoted) << level;
    EXPECT_EQ(*promoted - *plain, tenths(10)) << level;
  }
}

}  // namespace
}  // namespace kumora
