// The computer's search: its scan order, early stops, hand and drop rules,
// and the preparation of the turn.
#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

#include "analysis/analyze_board.h"
#include "com/com_search.h"
#include "rules/candidates.h"
#include "rules/drops_promotion.h"
#include "rules/reach_map.h"
#include "tests/com/test_positions.h"
#include "tests/com/turn_log.h"
#include "tests/support/search_corpus.h"

namespace kumora {
namespace {

using testing::Scoring;
using testing::ScoringLog;

ComMove run_turn(const GameState& position, int level, ScoringLog& log) {
  testing::PlayedTurn played = testing::play_turn(position, level);
  EXPECT_EQ(played.board_after, position.board) << "the search must restore the board";
  log = played.log;
  return played.move;
}

TEST(ComSearch, TakingTheKingEndsTheSearchAtOnce) {
  GameState position = king_capture_in_one();
  position.upper_hand[7] = 1;
  recompute_hand_totals(position);
  ScoringLog recorder;
  const ComMove move = run_turn(position, 3, recorder);
  EXPECT_EQ(move.score, KING_CAPTURE_SCORE);
  EXPECT_EQ(move.from_x, 4);
  EXPECT_EQ(move.from_y, 7);
  EXPECT_EQ(move.to_x, 5);
  EXPECT_EQ(move.to_y, 9);
  const Scoring& last = recorder.entries.back();
  EXPECT_EQ(last.fx, 4);
  EXPECT_EQ(last.tx, 5);
  EXPECT_EQ(last.ty, 9);
  EXPECT_EQ(recorder.ticks, 4);  // columns 1..4, no hand kinds
  EXPECT_FALSE(recorder.any_drop());
}

// Both versions of a king capture score 9999: the tie keeps a silver, knight
// or lance unpromoted, while a pawn, bishop or rook is placed promoted all the
// same.  Each piece steps onto the gold on (5, 7) and takes the king on (6, 7)
// with the gold's sideways step, ending on row 7 where promotion is optional.
TEST(ComSearch, OnATieOnlyPawnBishopAndRookArePlacedPromoted) {
  struct Case {
    int x, y, piece, placed;
  };
  const Case cases[] = {{5, 6, PAWN, TOKIN},    {5, 6, LANCE, LANCE},  {4, 5, KNIGHT, KNIGHT},
                        {4, 6, SILVER, SILVER}, {4, 6, BISHOP, HORSE}, {5, 6, ROOK, DRAGON}};
  for (const Case& c : cases) {
    const GameState position = position_of(
        {{1, 1, KING}, {c.x, c.y, c.piece}, {5, 7, GOLD}, {6, 7, -KING}, {9, 9, -PAWN}});
    ScoringLog log;
    const ComMove move = run_turn(position, 3, log);
    EXPECT_EQ(move.score, KING_CAPTURE_SCORE) << c.piece;
    EXPECT_EQ(std::make_pair(move.from_x, move.from_y), std::make_pair(c.x, c.y)) << c.piece;
    EXPECT_EQ(move.moved, c.piece);
    EXPECT_EQ(move.placed, c.placed) << c.piece;
    EXPECT_EQ(log.score_of(c.x, c.y, 6, 7, c.piece), KING_CAPTURE_SCORE) << c.piece;
    EXPECT_EQ(log.score_of(c.x, c.y, 6, 7, c.piece + 1), KING_CAPTURE_SCORE) << c.piece;
  }
}

TEST(ComSearch, NoDropIsTriedWhileTheHandTotalIsZero) {
  GameState position;
  set_initial_position(position);
  position.upper_hand[1] = 1;  // the total still says 0
  ScoringLog without;
  run_turn(position, 3, without);
  EXPECT_FALSE(without.any_drop());
  EXPECT_EQ(without.ticks, 9);

  position.board(5, 3) = EMPTY;  // room for the pawn, and a total of 1
  recompute_hand_totals(position);
  ScoringLog with;
  run_turn(position, 3, with);
  EXPECT_TRUE(with.any_drop());
  EXPECT_EQ(with.ticks, 16);
}

bool holds(SquareSet set, std::initializer_list<std::pair<int, int>> squares) {
  SquareSet expected = 0;
  for (auto [x, y] : squares) expected |= square_bit(x, y);
  return set == expected;
}

TEST(ComSearch, DropsUseOnlyLinksTheKindMayBeDroppedOn) {
  // Gold on row 9 (no pawn or lance drop there), silver on row 8 (no knight
  // drop there), and an upper pawn in column 7.
  const GameState position =
      position_of({{5, 1, KING}, {3, 9, GOLD}, {8, 8, SILVER}, {7, 3, PAWN}, {1, 5, -KING}});
  const Board& board = position.board;
  ReachState reach;
  build_reach_map(reach, board, UPPER_HAND_COLUMN, 1, REACH_DESTINATIONS);
  EXPECT_TRUE(contains(squares_of(reach.reach_map), 3, 8)) << "the plain drop map reaches it";

  // Pawn: no start on the gold; the silver's squares stay, column 7 goes.
  EXPECT_TRUE(holds(drop_targets(board, +1, 1),
                    {{4, 1}, {6, 1}, {4, 2}, {5, 2}, {6, 2}, {8, 9}, {9, 9}, {9, 7}}));
  EXPECT_TRUE(holds(
      drop_targets(board, +1, 2),
      {{4, 1}, {6, 1}, {4, 2}, {5, 2}, {6, 2}, {7, 4}, {7, 9}, {8, 9}, {9, 9}, {7, 7}, {9, 7}}));
  // Knight: neither the gold nor the silver.
  EXPECT_TRUE(holds(drop_targets(board, +1, 3), {{4, 1}, {6, 1}, {4, 2}, {5, 2}, {6, 2}, {7, 4}}));
  for (int kind = 4; kind <= 7; ++kind)
    EXPECT_EQ(drop_targets(board, +1, kind), squares_of(reach.reach_map)) << kind;
}

TEST(ComSearch, FreeSquaresBeforeTheTurnAreCountedOnTheTablesAsTheyStand) {
  // A fresh program: no analysis yet, so the lower king's square is (0, 0),
  // whose only neighbour on the board is (1, 1), empty here.
  GameState state;
  set_initial_position(state);
  state.board(1, 1) = EMPTY;
  AttackTables tables;
  ComContext context;
  ReachState reach;
  ComWorld world{state, tables, context, reach};
  prepare_turn(world);
  EXPECT_EQ(context.escape_count_before, 1);
  EXPECT_EQ(state.lower_king_x, 5);
  EXPECT_EQ(context.board_at_turn_start, state.board);
  EXPECT_EQ(context.upper_attack_before, tables.upper_attack_count);
}

// Over the stored positions: the first candidate with the highest score is
// played, and the promotion rule decides what is placed.
TEST(ComSearch, FirstBestCandidateAndItsPlacedPieceOnEveryStoredPosition) {
  const std::vector<GameState> corpus = testing::stored_positions();
  ASSERT_GE(corpus.size(), 300u);
  for (size_t n = 0; n < corpus.size(); ++n) {
    ScoringLog recorder;
    const ComMove move = run_turn(corpus[n], corpus[n].level, recorder);
    ASSERT_TRUE(move.found) << n;
    size_t first = 0;
    for (size_t i = 1; i < recorder.entries.size(); ++i)
      if (recorder.entries[i].score > recorder.entries[first].score) first = i;
    const Scoring& e = recorder.entries[first];
    ASSERT_EQ(e.score, move.score) << n;
    ASSERT_EQ(std::make_pair(e.fx, e.fy), std::make_pair(move.from_x, move.from_y)) << n;
    ASSERT_EQ(std::make_pair(e.tx, e.ty), std::make_pair(move.to_x, move.to_y)) << n;
    const bool stops = move.score == KING_CAPTURE_SCORE ||
                       (move.from_x == UPPER_HAND_COLUMN && move.score >= MATE_SCORE);
    if (stops) {  // the last scoring is this move (its promoted version, maybe)
      const Scoring& last = recorder.entries.back();
      ASSERT_EQ(std::make_pair(last.fx * 10 + last.fy, last.tx * 10 + last.ty),
                std::make_pair(e.fx * 10 + e.fy, e.tx * 10 + e.ty))
          << n;
    }

    const bool two_versions =
        first + 1 < recorder.entries.size() && recorder.entries[first + 1].fx == e.fx &&
        recorder.entries[first + 1].fy == e.fy && recorder.entries[first + 1].tx == e.tx &&
        recorder.entries[first + 1].ty == e.ty && e.placed == move.moved;
    if (!two_versions) {
      ASSERT_EQ(move.placed, e.placed) << n;
      continue;
    }
    const int promoted = recorder.entries[first + 1].placed;
    const bool placed_promoted = move.moved == PAWN || move.moved == BISHOP || move.moved == ROOK;
    ASSERT_EQ(move.placed, placed_promoted ? promoted : move.moved) << n;
  }
}

}  // namespace
}  // namespace kumora
