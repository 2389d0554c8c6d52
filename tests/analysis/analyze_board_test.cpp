// The attack tables on hand-made positions.
#include <gtest/gtest.h>

#include <initializer_list>
#include <set>
#include <utility>

#include "analysis/analyze_board.h"

namespace kumora {
namespace {

struct Piece {
  int x, y, code;
};

using Squares = std::set<std::pair<int, int>>;

struct Position {
  GameState state;
  AttackTables tables;

  explicit Position(std::initializer_list<Piece> pieces) { place(pieces); }
  void place(std::initializer_list<Piece> pieces) {
    for (const Piece& p : pieces) state.board(p.x, p.y) = p.code;
  }
  void analyze() { analyze_board(state, tables); }
};

// The board squares where `table` differs from `value`.
Squares squares_not(const BoardTable& table, int value) {
  Squares squares;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y)
      if (table(x, y) != value) squares.insert({x, y});
  return squares;
}

std::pair<int, int> lower_attacker_square(const AttackTables& t, int x, int y) {
  return {t.lower_attacker_x(x, y), t.lower_attacker_y(x, y)};
}
std::pair<int, int> upper_attacker_square(const AttackTables& t, int x, int y) {
  return {t.upper_attacker_x(x, y), t.upper_attacker_y(x, y)};
}
std::pair<int, int> upper_defender_square(const AttackTables& t, int x, int y) {
  return {t.upper_defender_x(x, y), t.upper_defender_y(x, y)};
}

TEST(AnalyzeBoard, TwoKingsAlone) {
  Position pos{{5, 9, -KING}, {5, 1, KING}};
  pos.analyze();
  const AttackTables& t = pos.tables;
  EXPECT_EQ(squares_not(t.lower_attack_count, 0),
            (Squares{{4, 8}, {5, 8}, {6, 8}, {4, 9}, {6, 9}}));
  EXPECT_EQ(squares_not(t.upper_attack_count, 0),
            (Squares{{4, 1}, {6, 1}, {4, 2}, {5, 2}, {6, 2}}));
  EXPECT_EQ(t.lower_attack_count(5, 8), 1);
  EXPECT_EQ(t.upper_attack_count(5, 2), 1);
  EXPECT_EQ(squares_not(t.lower_defender, 999), Squares{});
  EXPECT_EQ(squares_not(t.upper_defender, 999), Squares{});
  EXPECT_EQ(squares_not(t.upper_attacker, 999), Squares{});
  EXPECT_EQ(squares_not(t.lower_attacker, -999), Squares{});
  EXPECT_EQ(pos.state.lower_king_x, 5);
  EXPECT_EQ(pos.state.lower_king_y, 9);
  EXPECT_EQ(pos.state.upper_king_x, 5);
  EXPECT_EQ(pos.state.upper_king_y, 1);
}

TEST(AnalyzeBoard, StepsOffTheLastRowsReachNothing) {
  Position pos{{3, 1, -PAWN}, {4, 1, -KNIGHT}, {6, 2, -KNIGHT},
               {3, 9, PAWN},  {4, 8, KNIGHT},  {6, 9, KNIGHT}};
  pos.analyze();
  EXPECT_EQ(squares_not(pos.tables.lower_attack_count, 0), Squares{});
  EXPECT_EQ(squares_not(pos.tables.upper_attack_count, 0), Squares{});
}

TEST(AnalyzeBoard, LowerChoiceKeepsTheMostValuableDefenderAndTheCheapestAttacker) {
  // The king and a pawn defend the gold on (4, 7): the king shows.
  // A pawn and a rook attack the upper gold on (2, 4): the pawn shows, though
  // the rook comes later in the sweep.
  Position pos{{5, 8, -KING}, {4, 7, -GOLD}, {4, 8, -PAWN},
               {2, 4, GOLD},  {2, 5, -PAWN}, {9, 4, -ROOK}};
  pos.analyze();
  const AttackTables& t = pos.tables;
  EXPECT_EQ(t.lower_defender(4, 7), -KING);
  EXPECT_EQ(t.lower_attack_count(4, 7), 2);
  EXPECT_EQ(t.lower_attacker(2, 4), -PAWN);
  EXPECT_EQ(lower_attacker_square(t, 2, 4), std::make_pair(2, 5));
  EXPECT_EQ(t.lower_attack_count(2, 4), 2);
  EXPECT_EQ(t.lower_attack_count(1, 4), 0);  // the rook's line ends on the gold
}

TEST(AnalyzeBoard, EqualLowerAttackersKeepTheFirstInColumnThenRowOrder) {
  Position by_column{{5, 5, KNIGHT}, {6, 6, -SILVER}, {4, 6, -SILVER}};
  by_column.analyze();
  EXPECT_EQ(by_column.tables.lower_attacker(5, 5), -SILVER);
  EXPECT_EQ(lower_attacker_square(by_column.tables, 5, 5), std::make_pair(4, 6));

  // Same column: (4, 4) steps back diagonally onto (5, 5), (4, 6) forward.
  Position by_row{{5, 5, KNIGHT}, {4, 6, -SILVER}, {4, 4, -SILVER}};
  by_row.analyze();
  EXPECT_EQ(lower_attacker_square(by_row.tables, 5, 5), std::make_pair(4, 4));
  EXPECT_EQ(by_row.tables.lower_attack_count(5, 5), 2);
}

TEST(AnalyzeBoard, LowerHorseRecordsBishopOnItsDiagonalsAndHorseOnItsSteps) {
  Position pos{{5, 5, -HORSE}, {4, 4, PAWN}, {7, 7, LANCE}, {5, 4, SILVER}, {6, 5, -PAWN}};
  pos.analyze();
  const AttackTables& t = pos.tables;
  EXPECT_EQ(t.lower_attacker(4, 4), -BISHOP);  // diagonally next to it
  EXPECT_EQ(t.lower_attacker(7, 7), -BISHOP);  // further along a diagonal
  EXPECT_EQ(t.lower_attacker(5, 4), -HORSE);   // orthogonally next to it
  EXPECT_EQ(lower_attacker_square(t, 7, 7), std::make_pair(5, 5));
  EXPECT_EQ(t.lower_defender(6, 5), -HORSE);
  EXPECT_EQ(t.lower_attack_count(5, 3), 0);  // the orthogonal move is a single step
}

TEST(AnalyzeBoard, LowerDragonRecordsDragonOnLinesAndSteps) {
  Position pos{{5, 5, -DRAGON}, {4, 4, PAWN}, {5, 1, PAWN}, {6, 6, -PAWN}, {9, 5, -PAWN}};
  pos.analyze();
  const AttackTables& t = pos.tables;
  EXPECT_EQ(t.lower_attacker(4, 4), -DRAGON);
  EXPECT_EQ(t.lower_attacker(5, 1), -DRAGON);
  EXPECT_EQ(t.lower_defender(6, 6), -DRAGON);
  EXPECT_EQ(t.lower_defender(9, 5), -DRAGON);
  EXPECT_EQ(t.lower_attack_count(3, 3), 0);
}

TEST(AnalyzeBoard, UpperGoldLikePiecesDefendAs110AndLeaveTheSquares) {
  Position pos{{5, 5, TOKIN}, {5, 6, PAWN}, {4, 6, -PAWN}};
  pos.analyze();
  EXPECT_EQ(pos.tables.upper_defender(5, 6), GOLD);
  EXPECT_EQ(pos.tables.upper_attacker(4, 6), 999);  // gold steps never record an attack
  EXPECT_EQ(pos.tables.upper_attack_count(4, 6), 1);
  EXPECT_EQ(upper_defender_square(pos.tables, 5, 6), std::make_pair(0, 0));
}

TEST(AnalyzeBoard, UpperKindsThatRecordNoAttack) {
  // Knight, silver, king and the horse's orthogonal steps count only.
  Position pos{{5, 3, KNIGHT}, {4, 5, -GOLD}, {8, 1, KING},  {7, 2, -PAWN},
               {2, 2, SILVER}, {2, 3, -PAWN}, {5, 8, HORSE}, {5, 9, -ROOK}};
  pos.analyze();
  const AttackTables& t = pos.tables;
  for (auto [x, y] : {std::pair{4, 5}, {7, 2}, {2, 3}, {5, 9}}) {
    EXPECT_EQ(t.upper_attack_count(x, y), 1) << x << "," << y;
    EXPECT_EQ(t.upper_attacker(x, y), 999) << x << "," << y;
  }
}

TEST(AnalyzeBoard, UpperHorseStepsCountOnlyAndItsDiagonalsRecord) {
  Position pos{{5, 5, HORSE}, {5, 6, -GOLD}, {6, 6, -SILVER}, {4, 5, PAWN}, {3, 3, PAWN}};
  pos.analyze();
  const AttackTables& t = pos.tables;
  EXPECT_EQ(t.upper_attack_count(5, 6), 1);
  EXPECT_EQ(t.upper_attacker(5, 6), 999);
  EXPECT_EQ(t.upper_defender(4, 5), 999);  // an orthogonal step defends nothing either
  EXPECT_EQ(t.upper_attacker(6, 6), HORSE);
  EXPECT_EQ(upper_attacker_square(t, 6, 6), std::make_pair(5, 5));
  EXPECT_EQ(t.upper_defender(3, 3), HORSE);
  EXPECT_EQ(upper_defender_square(t, 3, 3), std::make_pair(5, 5));
}

TEST(AnalyzeBoard, UpperPawnLowersTheDefenderButKeepsTheOldSquare) {
  // The silver on (4, 3) comes first in the sweep and writes its square; the
  // pawn on (5, 3) then lowers the code to 10 without a square.
  Position silver_first{{4, 3, SILVER}, {5, 3, PAWN}, {5, 4, GOLD}};
  silver_first.analyze();
  EXPECT_EQ(silver_first.tables.upper_defender(5, 4), PAWN);
  EXPECT_EQ(upper_defender_square(silver_first.tables, 5, 4), std::make_pair(4, 3));

  // With the pawn first the silver never writes: the square of an earlier
  // analysis stays.
  Position pawn_first{{5, 3, PAWN}, {6, 3, SILVER}, {5, 4, GOLD}};
  pawn_first.tables.upper_defender_x(5, 4) = 7;
  pawn_first.tables.upper_defender_y(5, 4) = 8;
  pawn_first.analyze();
  EXPECT_EQ(pawn_first.tables.upper_defender(5, 4), PAWN);
  EXPECT_EQ(upper_defender_square(pawn_first.tables, 5, 4), std::make_pair(7, 8));
}

TEST(AnalyzeBoard, LowerRookLineGoesOnBehindTheUpperKing) {
  Position pos{{5, 9, -ROOK}, {1, 9, -KING}, {5, 5, KING}, {5, 2, PAWN}};
  pos.analyze();
  const AttackTables& t = pos.tables;
  for (int y = 2; y <= 8; ++y) EXPECT_EQ(t.lower_attack_count(5, y), 1) << y;
  EXPECT_EQ(t.lower_attack_count(5, 1), 0);
  EXPECT_EQ(t.lower_attacker(5, 5), -ROOK);
  EXPECT_EQ(t.lower_attacker(5, 2), -ROOK);
  EXPECT_EQ(lower_attacker_square(t, 5, 5), std::make_pair(5, 9));
  EXPECT_EQ(lower_attacker_square(t, 5, 2), std::make_pair(5, 9));
  EXPECT_EQ(t.lower_defender(1, 9), -ROOK);  // the leftward line ends on its own king
  EXPECT_EQ(t.lower_attack_count(1, 8), 1);  // only the king

  pos.place({{5, 7, SILVER}});
  pos.analyze();
  EXPECT_EQ(t.lower_attack_count(5, 7), 1);
  EXPECT_EQ(t.lower_attack_count(5, 6), 0);
  EXPECT_EQ(t.lower_attack_count(5, 5), 0);
  EXPECT_EQ(t.lower_attacker(5, 5), -999);
}

TEST(AnalyzeBoard, UpperBishopLineGoesOnBehindTheLowerKing) {
  Position pos{{1, 1, BISHOP}, {3, 3, -KING}, {5, 5, -PAWN}, {9, 1, KING}};
  pos.analyze();
  const AttackTables& t = pos.tables;
  EXPECT_EQ(squares_not(t.upper_attack_count, 0),
            (Squares{{2, 2}, {3, 3}, {4, 4}, {5, 5}, {8, 1}, {8, 2}, {9, 2}}));
  EXPECT_EQ(t.upper_attacker(3, 3), BISHOP);
  EXPECT_EQ(t.upper_attacker(5, 5), BISHOP);
  EXPECT_EQ(upper_attacker_square(t, 3, 3), std::make_pair(1, 1));
  EXPECT_EQ(upper_attacker_square(t, 5, 5), std::make_pair(1, 1));
}

TEST(AnalyzeBoard, UpperLineEndsOnItsOwnKing) {
  Position pos{{5, 1, ROOK}, {5, 4, KING}, {5, 9, -KING}};
  pos.analyze();
  EXPECT_EQ(pos.tables.upper_attack_count(5, 4), 1);
  EXPECT_EQ(pos.tables.upper_attack_count(5, 6), 0);
  EXPECT_EQ(pos.tables.upper_defender(5, 4), ROOK);
  EXPECT_EQ(upper_defender_square(pos.tables, 5, 4), std::make_pair(5, 1));
}

TEST(AnalyzeBoard, KingSquaresAndUpperSquaresCarryOver) {
  Position pos{{1, 1, BISHOP}, {3, 3, -PAWN}, {2, 1, KING}, {8, 8, -KING}};
  pos.analyze();
  EXPECT_EQ(upper_attacker_square(pos.tables, 3, 3), std::make_pair(1, 1));

  // Both kings gone, the pawn no longer attacked.
  pos.place({{1, 1, EMPTY}, {2, 1, EMPTY}, {8, 8, EMPTY}});
  pos.analyze();
  EXPECT_EQ(pos.state.upper_king_x, 2);
  EXPECT_EQ(pos.state.upper_king_y, 1);
  EXPECT_EQ(pos.state.lower_king_x, 8);
  EXPECT_EQ(pos.state.lower_king_y, 8);
  EXPECT_EQ(pos.tables.upper_attacker(3, 3), 999);
  EXPECT_EQ(upper_attacker_square(pos.tables, 3, 3), std::make_pair(1, 1));
}

TEST(AnalyzeBoard, CodesWithoutAKindAreSkipped) {
  Position pos{{5, 5, PROMOTED_GOLD}, {6, 6, -PROMOTED_GOLD}, {5, 6, -PAWN}};
  pos.analyze();
  EXPECT_EQ(squares_not(pos.tables.upper_attack_count, 0), Squares{});
  EXPECT_EQ(squares_not(pos.tables.lower_attack_count, 0), (Squares{{5, 5}}));
  EXPECT_EQ(pos.tables.lower_attacker(5, 5), -PAWN);
}

TEST(AnalyzeBoard, RowAndColumnZeroStayUntouchedAndRepeatsAgree) {
  GameState state;
  set_initial_position(state);
  const Board before = state.board;
  AttackTables first;
  analyze_board(state, first);
  AttackTables second = first;
  analyze_board(state, second);
  EXPECT_EQ(state.board, before);
  EXPECT_TRUE(first.lower_attacker == second.lower_attacker &&
              first.upper_defender == second.upper_defender &&
              first.upper_attack_count == second.upper_attack_count);
  for (int i = 0; i <= 9; ++i) {
    EXPECT_EQ(first.lower_defender(0, i), 0);
    EXPECT_EQ(first.lower_attacker(i, 0), 0);
    EXPECT_EQ(first.upper_attacker(0, i), 0);
    EXPECT_EQ(first.upper_defender(i, 0), 0);
  }
  // The initial position: the lower rook defends (8, 7) through nothing else.
  EXPECT_EQ(first.lower_defender(8, 7), -ROOK);
  EXPECT_EQ(first.upper_defender(2, 3), ROOK);
  EXPECT_EQ(first.lower_attack_count(5, 8), 4);  // king, two golds, rook
}

}  // namespace
}  // namespace kumora
