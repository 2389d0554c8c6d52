// The engine's evaluation: the same for a position and its mirror image, and
// the direction of its terms on small positions.
#include <gtest/gtest.h>

#include <random>

#include "engine/evaluation.h"
#include "rules/reverse.h"
#include "tests/com/test_positions.h"
#include "tests/support/random_positions.h"

namespace kumora {
namespace {

int evaluate_for(const GameState& state, int side, const EngineParameters& parameters = {}) {
  const SearchPosition position =
      search_position(state.board, state.lower_hand, state.upper_hand, side);
  SideReach mover, other;
  build_side_reach(position.board, side, mover);
  build_side_reach(position.board, -side, other);
  return evaluate(position, mover, other, parameters, PieceValues(parameters));
}

TEST(Evaluation, APositionAndItsMirrorImageAreWorthTheSame) {
  const EngineParameters every_term;
  std::mt19937 rng(5);
  for (int n = 0; n < 2000; ++n) {
    GameState state = testing::random_position(rng, 80);
    const int side = n % 2 ? +1 : -1;
    const int value = evaluate_for(state, side, every_term);
    reverse_position(state);
    ASSERT_EQ(value, evaluate_for(state, -side, every_term)) << n;
  }
}

TEST(Evaluation, MaterialInHandAndMovablePiecesCount) {
  const GameState base = position_of({{5, 1, KING}, {4, 1, GOLD}, {5, 9, -KING}, {4, 9, -GOLD}});
  const int even = evaluate_for(base, -1);
  GameState pawn_in_hand = base;
  pawn_in_hand.lower_hand[1] = 1;
  EXPECT_GT(evaluate_for(pawn_in_hand, -1), even);
  EXPECT_LT(evaluate_for(pawn_in_hand, +1), evaluate_for(base, +1));

  // A lower silver far from every lower piece cannot move; next to the gold it can.
  GameState lone = base;
  lone.board(9, 5) = -SILVER;
  GameState linked = base;
  linked.board(3, 9) = -SILVER;
  EXPECT_GT(evaluate_for(linked, -1), evaluate_for(lone, -1));
}

TEST(Evaluation, EnemyChainsAroundTheKingCostTheKingsSide) {
  // A lone upper rook cannot move; a gold it can slide onto lends it the gold's steps.
  const GameState quiet = position_of({{5, 1, KING}, {1, 7, ROOK}, {5, 9, -KING}, {4, 9, -GOLD}});
  GameState far = quiet;
  far.board(1, 3) = GOLD;  // up the rook's column: the chains end far from the lower king
  GameState near = quiet;
  near.board(6, 7) = GOLD;  // along the rook's row: the chains end on (5, 8) and (6, 8)
  EngineParameters only_king_zone;
  only_king_zone.mobility = only_king_zone.immobile = 0;
  only_king_zone.king_zone_guard = only_king_zone.king_zone_drop = 0;
  only_king_zone.king_zone_reach = 30;
  only_king_zone.gold = 0;  // the added gold itself is worth nothing here
  EXPECT_EQ(evaluate_for(far, -1, only_king_zone), evaluate_for(quiet, -1, only_king_zone));
  EXPECT_EQ(evaluate_for(near, -1, only_king_zone), evaluate_for(quiet, -1, only_king_zone) - 60);
}

}  // namespace
}  // namespace kumora
