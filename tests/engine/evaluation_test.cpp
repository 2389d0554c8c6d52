// The engine's judgement of a quiet position does not depend on the army it
// is drawn for: turned round, with the other army to move, a position is
// worth the same to the side to move.
#include <gtest/gtest.h>

#include <random>

#include "core/reverse.h"
#include "engine/evaluation.h"
#include "tests/oracle/random_positions.h"

namespace kumora {
namespace {

// Every term counts, those the game leaves off too.
EngineParameters every_term() {
  EngineParameters parameters;
  parameters.king_mobility = 6;
  parameters.king_advance = 15;
  parameters.threat_percent = 40;
  return parameters;
}

int value_for(const GameState& state, int side) {
  static const EngineParameters parameters = every_term();
  const PieceValues values(parameters);
  const SearchPosition position =
      search_position(state.board, state.lower_hand, state.upper_hand, side);
  SideReach upper, lower;
  build_side_reach(state.board, +1, upper);
  build_side_reach(state.board, -1, lower);
  return side > 0 ? evaluate(position, upper, lower, parameters, values)
                  : evaluate(position, lower, upper, parameters, values);
}

TEST(Evaluation, APositionTurnedRoundIsWorthTheSameToTheOtherArmy) {
  std::mt19937 rng(7);
  for (int n = 0; n < 300; ++n) {
    GameState state = testing::random_position(rng, 60);
    const int upper_to_move = value_for(state, +1);
    const int lower_to_move = value_for(state, -1);
    reverse_position(state);
    ASSERT_EQ(value_for(state, -1), upper_to_move) << n;
    ASSERT_EQ(value_for(state, +1), lower_to_move) << n;
  }
}

}  // namespace
}  // namespace kumora
