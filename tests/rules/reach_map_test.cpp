// Reach maps, and whether a side can move, on hand-made positions.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "core/game_state.h"
#include "rules/candidates.h"
#include "rules/reach_map.h"

namespace kumora {
namespace {

using Squares = std::set<std::pair<int, int>>;

Squares reached(const Board& board, int x, int y, ReachMode mode) {
  ReachState reach;
  build_reach_map(reach, board, x, y, mode);
  Squares squares;
  for (int i = 0; i <= 9; ++i)
    for (int j = 0; j <= 9; ++j)
      if (reach.reach_map(i, j)) squares.insert({i, j});
  return squares;
}

GameState initial_state() {
  GameState state;
  set_initial_position(state);
  return state;
}

TEST(ReachMap, IsolatedPieceReachesNothing) {
  Board board;
  board(5, 5) = -ROOK;
  board(5, 1) = KING;
  EXPECT_EQ(reached(board, 5, 5, REACH_DESTINATIONS), Squares{});
  EXPECT_EQ(reached(board, 5, 5, REACH_COVERAGE), (Squares{{5, 5}}));
}

TEST(ReachMap, OnlyTheLinksStepsCount) {
  Board board;
  board(5, 5) = -GOLD;
  board(4, 6) = -SILVER;  // not within a gold step: never a link
  board(5, 4) = -SILVER;
  board(4, 3) = PAWN;
  // The silver's steps; not the gold's own (4, 4), (6, 4), (5, 6), nor (3, 5) of
  // the silver behind.
  EXPECT_EQ(reached(board, 5, 5, REACH_DESTINATIONS),
            (Squares{{4, 3}, {5, 3}, {6, 3}, {4, 5}, {6, 5}}));
}

TEST(ReachMap, InitialPositionRookAndBishopGoThroughTheirPawns) {
  const GameState state = initial_state();
  const Squares rook = reached(state.board, 8, 8, REACH_DESTINATIONS);
  EXPECT_EQ(rook.count({8, 6}), 1u);
  EXPECT_EQ(rook.count({8, 7}), 0u);
  EXPECT_EQ(rook.count({9, 8}), 0u);  // own slide without a link
  EXPECT_EQ(reached(state.board, 5, 7, REACH_DESTINATIONS), Squares{});
  EXPECT_EQ(reached(state.board, 2, 8, REACH_DESTINATIONS).count({3, 6}), 1u);
}

TEST(ReachMap, CoverageKeepsOriginAndLinks) {
  const GameState state = initial_state();
  const Squares covered = reached(state.board, 8, 8, REACH_COVERAGE);
  EXPECT_EQ(covered.count({8, 8}), 1u);
  EXPECT_EQ(covered.count({8, 7}), 1u);
  EXPECT_EQ(covered.count({8, 6}), 1u);
  for (const auto& [x, y] : reached(state.board, 8, 8, REACH_DESTINATIONS))
    EXPECT_GE(state.board(x, y), 0) << x << "," << y;  // never an own piece in mode 1
}

TEST(ReachMap, PawnCarriedIntoAColumnWithAnotherPawnIsFiltered) {
  Board board;
  board(5, 6) = -PAWN;
  board(5, 5) = -SILVER;
  board(4, 8) = -PAWN;
  board(6, 8) = -TOKIN;
  EXPECT_EQ(reached(board, 5, 6, REACH_DESTINATIONS), (Squares{{5, 4}, {6, 4}, {6, 6}}));
  EXPECT_EQ(reached(board, 5, 6, REACH_COVERAGE).count({4, 4}), 1u);
}

TEST(DropMap, NeverEndsOnAnOccupiedSquare) {
  Board board;
  board(5, 5) = -KING;
  board(5, 4) = PAWN;
  board(4, 4) = -PAWN;
  const Squares drops = reached(board, LOWER_HAND_COLUMN, 5, REACH_DESTINATIONS);
  EXPECT_EQ(drops.count({5, 4}), 0u);
  EXPECT_EQ(drops.count({4, 4}), 0u);
  EXPECT_EQ(drops.count({6, 6}), 1u);
  EXPECT_EQ(drops.count({4, 3}), 1u);  // through the pawn
  EXPECT_EQ(reached(board, LOWER_HAND_COLUMN, 5, REACH_COVERAGE).count({5, 4}), 1u);
}

TEST(DropMap, PawnFiltersFollowTheLinkAndActOnEarlierFloods) {
  const GameState state = initial_state();
  EXPECT_EQ(reached(state.board, UPPER_HAND_COLUMN, 1, REACH_DESTINATIONS), Squares{});
  EXPECT_EQ(reached(state.board, LOWER_HAND_COLUMN, 3, REACH_DESTINATIONS), (Squares{{9, 8}}));
}

TEST(SideHasCandidate, NotForIsolatedPiecesWithAnEmptyHand) {
  GameState state;
  state.board(5, 5) = -KING;
  state.board(1, 9) = -LANCE;
  state.board(5, 1) = KING;
  state.board(9, 1) = LANCE;
  EXPECT_FALSE(side_has_candidate(state.board, state.lower_hand, -1));
  EXPECT_FALSE(side_has_candidate(state.board, state.upper_hand, +1));
  // A piece in hand links onto the king and goes on with its steps.
  state.lower_hand[1] = 1;
  state.lower_hand_total = 1;
  EXPECT_TRUE(side_has_candidate(state.board, state.lower_hand, -1));
  EXPECT_FALSE(side_has_candidate(state.board, state.upper_hand, +1));
}

}  // namespace
}  // namespace kumora
