// The threat and safety evaluations on hand-made positions, and the quick
// forms of the mate test and the safe-move count against their plain forms.
#include <gtest/gtest.h>

#include <initializer_list>
#include <random>

#include "analysis/analyze_board.h"
#include "com/evaluations.h"
#include "rules/movement.h"
#include "rules/reach_map.h"
#include "tests/support/random_positions.h"

namespace kumora {
namespace {

struct Piece {
  int x, y, code;
};

struct World {
  GameState state;
  AttackTables tables;
  ComContext context;
  ReachState reach;
  ComWorld w{state, tables, context, reach};

  explicit World(std::initializer_list<Piece> pieces) { place(pieces); }
  void place(std::initializer_list<Piece> pieces) {
    for (const Piece& p : pieces) state.board(p.x, p.y) = p.code;
  }
  void hand(int slot, int count) {
    state.lower_hand[slot] = count;
    recompute_hand_totals(state);
  }
  // Analyses the position as the start of the computer's turn would.
  void analyze() {
    analyze_board(state, tables);
    context.board_at_turn_start = state.board;
    context.upper_attack_before = tables.upper_attack_count;
  }
};

// --- The lower king's free squares -------------------------------------------

TEST(CountKingEscapes, CountsEmptyNeighboursTheUpperSideDoesNotCover) {
  World world{{1, 9, -KING}, {2, 8, -GOLD}, {9, 1, KING}, {3, 1, ROOK}};
  world.analyze();
  // (1, 8) and (2, 9) remain; (2, 8) holds a gold; the rook covers column 3 only.
  EXPECT_EQ(count_king_escapes(world.w), 2);
  world.place({{2, 1, LANCE}});  // its line ends on the gold: (2, 9) stays free
  world.analyze();
  EXPECT_EQ(count_king_escapes(world.w), 2);
  world.place({{1, 1, LANCE}});  // covers column 1 down to the king
  world.analyze();
  EXPECT_EQ(count_king_escapes(world.w), 1);
}

TEST(CountKingEscapes, UsesTheLastKnownSquareWhenTheKingIsGone) {
  World world{{5, 5, -KING}, {9, 1, KING}, {5, 1, ROOK}};
  world.analyze();
  // The rook's line goes on behind the king: (5, 4) and (5, 6) are covered.
  EXPECT_EQ(count_king_escapes(world.w), 6);
  world.place({{5, 5, EMPTY}, {4, 6, -PAWN}});
  world.analyze();
  EXPECT_EQ(world.state.lower_king_x, 5);
  EXPECT_EQ(world.state.lower_king_y, 5);
  EXPECT_EQ(count_king_escapes(world.w), 5);
}

// --- Bishop checks ------------------------------------------------------------

TEST(MarkBishopCheckSquares, EmptyDiagonalSquaresWeaklyHeld) {
  World world{{5, 1, KING}, {7, 3, PAWN}, {1, 9, -KING}};
  world.analyze();
  mark_bishop_check_squares(world.w);
  const SquareMarks& marks = world.context.bishop_check_squares;
  EXPECT_TRUE(marks(4, 2));  // covered once, by the king it touches
  EXPECT_TRUE(marks(3, 3));
  EXPECT_TRUE(marks(1, 5));
  EXPECT_TRUE(marks(6, 2));
  EXPECT_FALSE(marks(7, 3));  // occupied
  EXPECT_FALSE(marks(8, 4));  // behind the pawn
  EXPECT_FALSE(marks(5, 3));  // not on a diagonal

  // A gold on (3, 1) covers (4, 2) a second time.
  world.place({{3, 1, GOLD}});
  world.analyze();
  mark_bishop_check_squares(world.w);
  EXPECT_FALSE(marks(4, 2));
  EXPECT_TRUE(marks(3, 3));
  // A silver on (2, 2) covers (3, 3) once, away from the king.
  world.place({{2, 2, SILVER}});
  world.analyze();
  mark_bishop_check_squares(world.w);
  EXPECT_FALSE(marks(3, 3));
}

// --- Pinned pieces --------------------------------------------------------------

TEST(MarkPinnedPieces, LowerPieceShieldingItsKingFromALine) {
  World world{{5, 9, -KING}, {5, 6, -SILVER}, {5, 1, ROOK}, {4, 8, -PAWN}, {9, 1, KING}};
  world.analyze();
  mark_pinned_pieces(world.w);
  EXPECT_TRUE(world.context.lower_pinned(5, 6));
  EXPECT_FALSE(world.context.lower_pinned(4, 8));
  // The king itself, lifted, leaves its empty square open to the rook.
  EXPECT_FALSE(world.context.lower_pinned(5, 9));
  EXPECT_FALSE(world.context.upper_has_pinned);
  EXPECT_EQ(world.state.board(5, 6), -SILVER);  // every piece is put back
  EXPECT_EQ(world.state.board(5, 9), -KING);
}

TEST(MarkPinnedPieces, MarksEveryLowerPieceWhileTheKingIsAlreadyAttacked) {
  World world{{5, 9, -KING}, {5, 1, ROOK}, {2, 7, -PAWN}, {9, 1, KING}};
  world.analyze();
  mark_pinned_pieces(world.w);
  EXPECT_TRUE(world.context.lower_pinned(2, 7));
  EXPECT_TRUE(world.context.lower_pinned(5, 9));   // kings are lifted too
  EXPECT_FALSE(world.context.lower_pinned(9, 1));  // an upper piece
  EXPECT_FALSE(world.context.lower_pinned(3, 3));
}

TEST(MarkPinnedPieces, UpperPieceShieldingTheUpperKing) {
  World world{{5, 1, KING}, {5, 3, GOLD}, {5, 8, -LANCE}, {1, 9, -KING}};
  world.analyze();
  mark_pinned_pieces(world.w);
  EXPECT_TRUE(world.context.upper_has_pinned);
  world.place({{5, 5, -PAWN}});  // a lower piece between: no line opens
  world.analyze();
  mark_pinned_pieces(world.w);
  EXPECT_FALSE(world.context.upper_has_pinned);
}

// --- The mate test ---------------------------------------------------------------

TEST(LowerKingMated, AttackTablesAloneDoNotMate) {
  // The rook checks, but no chain of upper pieces reaches the king's square,
  // and the king's own square is in its coverage map.
  World world{{5, 9, -KING}, {5, 1, ROOK}, {9, 5, KING}};
  world.analyze();
  ASSERT_GT(world.tables.upper_attack_count(5, 9), 0);
  EXPECT_FALSE(lower_king_mated(world.w));

  // A pawn in front of the king, linked from the rook, reaches the square.
  world.place({{5, 8, PAWN}});
  world.analyze();
  EXPECT_TRUE(lower_king_mated(world.w));
}

TEST(LowerKingMated, APieceInHandCoversEveryUpperStep) {
  World world{{5, 9, -KING}, {5, 1, ROOK}, {9, 5, KING}};
  world.state.upper_hand[1] = 1;
  recompute_hand_totals(world.state);
  world.analyze();
  EXPECT_TRUE(lower_king_mated(world.w));
}

TEST(LowerKingMated, TheKingsLinksMustBeCoveredToo) {
  World world{{5, 9, -KING}, {4, 9, -GOLD}, {5, 1, ROOK}, {5, 8, PAWN}, {9, 5, KING}};
  world.analyze();
  EXPECT_FALSE(lower_king_mated(world.w));
}

// The mate test exactly as worded: one coverage map per upper piece and per
// hand kind, their union against the king's coverage map.
bool plain_lower_king_mated(const GameState& state) {
  ReachState reach;
  SquareMarks covered;
  auto add = [&] {
    for (int x = 1; x <= 9; ++x)
      for (int y = 1; y <= 9; ++y)
        if (reach.reach_map(x, y)) covered(x, y) = true;
  };
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y)
      if (state.board(x, y) >= 10) {
        build_reach_map(reach, state.board, x, y, REACH_COVERAGE);
        add();
      }
  for (int k = 1; k <= 7; ++k)
    if (state.upper_hand[k] > 0) {
      build_reach_map(reach, state.board, UPPER_HAND_COLUMN, k, REACH_COVERAGE);
      add();
    }
  build_reach_map(reach, state.board, state.lower_king_x, state.lower_king_y, REACH_COVERAGE);
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y)
      if (reach.reach_map(x, y) && !covered(x, y)) return false;
  return true;
}

TEST(LowerKingMated, QuickFormAgreesWithThePlainOneOnRandomPositions) {
  std::mt19937 rng(77);
  int mated = 0;
  for (int n = 0; n < 3000; ++n) {
    World world{};
    world.state = testing::random_position(rng, 80);
    if (n % 2 == 0) {  // half of them without a hand, so that only linked pieces cover
      for (int k = 1; k <= 7; ++k) world.state.upper_hand[k] = 0;
    }
    world.analyze();
    const bool plain = plain_lower_king_mated(world.state);
    ASSERT_EQ(lower_king_mated(world.w), plain) << n;
    if (plain) ++mated;
  }
  EXPECT_GT(mated, 0);
}

// --- Board safety ------------------------------------------------------------------

TEST(BoardSafety, SquareNextToTheKingAttackedThreeTimes) {
  // Two knights and a pawn attack (8, 6), which the king and a silver cover.
  World world{{9, 5, KING}, {9, 7, SILVER}, {7, 8, -KNIGHT}, {9, 8, -KNIGHT}, {8, 7, -PAWN}};
  world.analyze();
  ASSERT_EQ(world.tables.lower_attack_count(8, 6), 3);
  EXPECT_EQ(board_safety(world.w, 0, 8, 6), -15);

  // Covered by the king alone against several attackers: a further 10.
  world.place({{9, 7, EMPTY}});
  world.analyze();
  EXPECT_EQ(board_safety(world.w, 0, 8, 6), -15 - 100);
}

TEST(BoardSafety, KingOnTheTopRowWithItsFrontSquareContested) {
  World world{{5, 1, KING}, {5, 3, -PAWN}};
  world.hand(5, 1);
  world.analyze();
  // 50 + 250 + 700 for the king; on (5, 2) 0.5 for one attacker, 10 for the
  // gold in hand and 30 for the pawn below; 0.1 for each of the 20 empty,
  // uncovered squares of rows 1 to 3.
  EXPECT_EQ(board_safety(world.w, 0, 5, 2), -(500 + 2500 + 7000) - (5 + 100 + 300) - 20);
}

TEST(BoardSafety, ForkOfTwoUndefendedLowerPieces) {
  // A knight on (5, 6) attacks a bishop worth 800 and a silver worth 100;
  // the pawn on (7, 5) stops the bishop's line short of the top rows.
  World world{{5, 6, KNIGHT}, {4, 8, -BISHOP}, {6, 8, -SILVER}, {7, 5, -PAWN}, {1, 1, KING}};
  world.analyze();
  EXPECT_EQ(board_safety(world.w, KNIGHT, 5, 6), 2 + 1000);
  // With one target only, the 0.1 stays and the smaller value is not added.
  world.place({{6, 8, EMPTY}});
  world.analyze();
  EXPECT_EQ(board_safety(world.w, KNIGHT, 5, 6), 1);
}

TEST(BoardSafety, CheaperAttackerCostsTheDifferenceUnlessItIsPinned) {
  World world{{5, 5, GOLD}, {5, 6, -PAWN}, {9, 1, KING}, {1, 9, -KING}};
  world.analyze();
  // Undefended: the gold's value, and the exchange 110 - 10.
  EXPECT_EQ(board_safety(world.w, GOLD, 5, 5), -1100 - 1000);
  world.context.lower_pinned(5, 6) = true;
  EXPECT_EQ(board_safety(world.w, GOLD, 5, 5), -1100);
  // A piece that has just captured there gets the captured value back.
  world.context.board_at_turn_start(5, 5) = -SILVER;
  EXPECT_EQ(board_safety(world.w, GOLD, 5, 5), -1100 + 1000);
}

TEST(BoardSafety, LanceDropSkewersUsesHalfThePieceValue) {
  // A lower lance dropped on (5, 4) would hit the bishop and, behind it, the rook.
  World lance{{5, 1, ROOK}, {5, 3, BISHOP}, {9, 9, KING}};
  lance.hand(2, 1);
  lance.analyze();
  World pawn{{5, 1, ROOK}, {5, 3, BISHOP}, {9, 9, KING}};
  pawn.hand(1, 1);
  pawn.analyze();
  EXPECT_EQ(board_safety(lance.w, 0, 9, 9) - board_safety(pawn.w, 0, 9, 9), -(1000 + 4500));
}

// --- Smaller evaluations -------------------------------------------------------------

TEST(BishopForkThreat, FirstBishopCheckSquareDecides) {
  World world{{5, 1, KING}, {3, 3, -BISHOP}, {1, 9, -KING}};
  world.analyze();
  SquareMarks& marks = world.context.bishop_check_squares;
  // A bishop on (5, 5) would reach (7, 3); the lower bishop on (3, 3) cannot.
  marks(7, 3) = true;
  EXPECT_EQ(bishop_fork_threat(world.w, 5, 5, SILVER), 0);
  world.hand(6, 1);
  EXPECT_EQ(bishop_fork_threat(world.w, 5, 5, SILVER), 1000);

  // (4, 6) comes before (7, 7) and nothing can go there, so the bishop that
  // reaches (7, 7) does not count.
  world.hand(6, 0);
  marks = SquareMarks{};
  marks(4, 6) = true;
  marks(7, 7) = true;
  EXPECT_EQ(bishop_fork_threat(world.w, 5, 5, SILVER), 0);
  EXPECT_EQ(bishop_fork_threat(world.w, 9, 9, SILVER), 1000);  // (4, 6) is off its lines
  world.place({{3, 5, -HORSE}});                               // steps to (4, 6)
  EXPECT_EQ(bishop_fork_threat(world.w, 5, 5, SILVER), 1000);
  EXPECT_EQ(bishop_fork_threat(world.w, 1, 1, SILVER), 0);  // nothing reached from (1, 1)
}

TEST(DropGains, KnightForkBesideABigLowerAttacker) {
  // The rook on (3, 7) is the recorded attacker of the pawn on (5, 7); a
  // knight dropped on (6, 5) would attack the dragon on (7, 7), on (4, 5) the
  // rook itself, which is excluded.
  World world{{5, 7, PAWN}, {3, 7, -ROOK}, {7, 7, -DRAGON}, {1, 1, KING}, {9, 9, -KING}};
  world.analyze();
  ASSERT_EQ(world.tables.lower_attacker(5, 7), -ROOK);
  EXPECT_EQ(knight_drop_gain(world.w, 5, 7), 9010);
  // With a gold instead of the rook the dragon is the recorded attacker.
  world.place({{3, 7, -GOLD}});
  world.analyze();
  EXPECT_EQ(knight_drop_gain(world.w, 5, 7), 0);
}

// The same fork seen from either side, and only from row 6 down: on row 5 a
// knight dropped two rows up would stand on row 3.
TEST(DropGains, KnightForkFromEitherSideAndOnlyFromRowSix) {
  for (int y = 5; y <= 6; ++y) {
    // The rook on (7, y) is the recorded attacker; the dragon on (3, y) is beside.
    World left{{5, y, PAWN}, {7, y, -ROOK}, {3, y, -DRAGON}, {1, 1, KING}, {9, 9, -KING}};
    left.analyze();
    ASSERT_EQ(left.tables.lower_attacker_x(5, y), 7);
    EXPECT_EQ(knight_drop_gain(left.w, 5, y), y == 6 ? 9010 : 0) << y;
  }
  // Beside the edge: a big piece two columns away still counts from (3, 7) and (7, 7).
  World edges{{3, 7, PAWN},  {1, 7, -BISHOP}, {7, 7, PAWN}, {9, 7, -HORSE},
              {5, 7, -ROOK}, {1, 1, KING},    {9, 9, -KING}};
  edges.analyze();
  ASSERT_EQ(edges.tables.lower_attacker(3, 7), -ROOK);
  ASSERT_EQ(edges.tables.lower_attacker(7, 7), -ROOK);
  EXPECT_EQ(knight_drop_gain(edges.w, 3, 7), 8000);
  EXPECT_EQ(knight_drop_gain(edges.w, 7, 7), 8010);
}

TEST(DropGains, LanceBehindAPawnTheUpperSideHolds) {
  World world{{5, 7, PAWN}, {5, 5, SILVER}, {3, 7, -ROOK}, {5, 9, -SILVER}, {1, 1, KING}};
  world.analyze();
  EXPECT_EQ(lance_drop_gain(world.w, 5, 7), 1000);
  world.place({{5, 5, EMPTY}});  // (5, 6) no longer held
  world.analyze();
  EXPECT_EQ(lance_drop_gain(world.w, 5, 7), 0);
}

TEST(DropGains, LanceGainOnlyFromRowSeven) {
  // The position above, one row higher: the lance would stand on row 6.
  World world{{5, 6, PAWN}, {5, 4, SILVER}, {3, 6, -ROOK}, {5, 8, -SILVER}, {1, 1, KING}};
  world.analyze();
  ASSERT_EQ(world.tables.lower_attacker(5, 6), -ROOK);
  EXPECT_EQ(lance_drop_gain(world.w, 5, 6), 0);
}

TEST(ColumnXrayThreat, LanceRookOrDragonBelow) {
  World world{{5, 3, -PAWN}, {5, 8, -LANCE}, {1, 1, KING}};
  EXPECT_FALSE(column_xray_threat(world.w, 5, 2));  // the pawn is in the way
  EXPECT_TRUE(column_xray_threat(world.w, 5, 3));   // the pawn itself is lifted
  world.place({{5, 5, SILVER}});
  EXPECT_FALSE(column_xray_threat(world.w, 5, 3));  // an upper piece stops the walk
  world.place({{5, 5, EMPTY}, {5, 4, -DRAGON}});
  EXPECT_TRUE(column_xray_threat(world.w, 5, 3));
  EXPECT_EQ(world.state.board(5, 3), -PAWN);
  EXPECT_FALSE(column_xray_threat(world.w, 5, 9));
}

TEST(BigPieceCrowding, CountsUpperBigPiecesAndTheKingAround) {
  World world{{1, 2, KING}, {2, 2, HORSE}, {2, 1, -ROOK}, {3, 3, DRAGON}};
  EXPECT_EQ(big_piece_crowding(world.w, 1, 1), -2);
  EXPECT_EQ(big_piece_crowding(world.w, 2, 3), -3);
  EXPECT_EQ(big_piece_crowding(world.w, 9, 9), 0);
}

// count_safe_moves exactly as worded: every square tested with can_step.
int plain_safe_moves(const ComWorld& w, int x, int y, int code) {
  int count = 0;
  for (int k = 1; k <= 9; ++k)
    for (int l = 1; l <= 9; ++l) {
      if (!can_step(w.state.board, x, y, k, l, code)) continue;
      const int cover =
          code >= 10 ? w.tables.lower_attack_count(k, l) : w.tables.upper_attack_count(k, l);
      if (cover == 0) ++count;
    }
  return count;
}

TEST(CountSafeMoves, QuickFormAgreesWithThePlainOneOnRandomPositions) {
  std::mt19937 rng(99);
  constexpr int CODES[] = {PAWN, KNIGHT, BISHOP, HORSE, ROOK, DRAGON, KING, -KING, -SILVER, 0};
  for (int n = 0; n < 300; ++n) {
    World world{};
    world.state = testing::random_position(rng, 60);
    world.analyze();
    for (int x = -1; x <= 11; ++x)
      for (int y = 1; y <= 9; ++y) {
        const int own = Board::on_board(x, y) ? world.state.board(x, y) : 0;
        for (int code : CODES)
          ASSERT_EQ(count_safe_moves(world.w, x, y, code), plain_safe_moves(world.w, x, y, code))
              << n << " " << x << "," << y << " " << code;
        if (own != EMPTY) {
          ASSERT_EQ(count_safe_moves(world.w, x, y, own), plain_safe_moves(world.w, x, y, own));
        }
      }
  }
}

}  // namespace
}  // namespace kumora
