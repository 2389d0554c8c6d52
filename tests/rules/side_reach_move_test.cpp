// The chain reach brought up to date move by move equals the reach built
// again from the board, for both sides, after drops, captures, promotions
// and quiet moves on positions of random play.
#include <gtest/gtest.h>

#include <random>

#include "rules/candidates.h"
#include "rules/side_reach_move.h"
#include "tests/support/random_positions.h"

namespace kumora {
namespace {

int index_of(int x, int y) { return (x - 1) * 9 + (y - 1); }

BoardChange change_of(const Board& board, const Candidate& move) {
  return {move.is_drop() ? -1 : index_of(move.from_x, move.from_y), index_of(move.to_x, move.to_y),
          move.placed, board(move.to_x, move.to_y)};
}

Board after(Board board, const Candidate& move) {
  if (!move.is_drop()) board(move.from_x, move.from_y) = EMPTY;
  board(move.to_x, move.to_y) = move.placed;
  return board;
}

// Empty when the two are the same; otherwise what differs first.
std::string difference(const SideReach& kept, const SideReach& built) {
  if (kept.side != built.side || kept.king != built.king) return "side or king";
  if (kept.own != built.own || kept.occupied != built.occupied) return "pieces or occupied squares";
  if (kept.pawns != built.pawns || kept.own_pawn_columns != built.own_pawn_columns) return "pawns";
  if (kept.sliders != built.sliders) return "sliders";
  if (kept.reached != built.reached) return "reached";
  if (kept.chain_ends != built.chain_ends || kept.stuck != built.stuck) return "counts";
  if (kept.all_steps != built.all_steps) return "all steps";
  for (SquareSet left = built.own; left != 0; left &= left - 1) {
    const int i = lowest_square(left);
    if (kept.code[i] != built.code[i]) return "code on " + std::to_string(i);
    if (kept.steps[i] != built.steps[i]) return "steps of " + std::to_string(i);
    if (kept.destinations[i] != built.destinations[i])
      return "destinations of " + std::to_string(i);
  }
  return "";
}

TEST(SideReachMove, KeptUpToDateEqualsBuiltAgainAfterEveryKindOfMove) {
  std::mt19937 rng(2026);
  CandidateList moves;
  int drops = 0, captures = 0, promotions = 0, checked = 0;
  for (int n = 0; n < 1500; ++n) {
    const GameState state = testing::random_position(rng, 80);
    const int side = n % 2 ? +1 : -1;
    generate_candidates(state.board, side > 0 ? state.upper_hand : state.lower_hand, side, moves);
    SideReach mover, other;
    build_side_reach(state.board, side, mover);
    build_side_reach(state.board, -side, other);
    for (int tried = 0; tried < 6 && moves.count > 0; ++tried) {
      const Candidate move = moves.move[rng() % moves.count];
      const BoardChange change = change_of(state.board, move);
      const Board board = after(state.board, move);
      drops += move.is_drop();
      captures += change.captured != EMPTY;
      promotions += move.placed != move.moved;
      for (const SideReach* before : {&mover, &other}) {
        SideReach kept, built;
        follow_move(*before, change, kept);
        build_side_reach(board, before->side, built);
        ASSERT_EQ(difference(kept, built), "") << "position " << n << " side " << before->side;
        ++checked;
      }
    }
  }
  EXPECT_GT(drops, 500);
  EXPECT_GT(captures, 500);
  EXPECT_GT(promotions, 200);
  EXPECT_GT(checked, 15000);
}

}  // namespace
}  // namespace kumora
