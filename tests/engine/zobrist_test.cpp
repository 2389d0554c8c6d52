// Keys (and the occupied squares) kept move by move against those computed
// from scratch, over random games with drops, captures and promotions; and
// taking moves back.
#include <gtest/gtest.h>

#include <random>

#include "engine/search_position.h"
#include "tests/support/random_positions.h"

namespace kumora {
namespace {

struct Seen {
  int drops = 0, captures = 0, promotions = 0, moves = 0;
};

PositionKey scratch_key(const SearchPosition& p) {
  return position_key(p.board, p.hand[0], p.hand[1], p.side);
}

SquareSet occupied_squares(const Board& board) {
  SquareSet set = 0;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y)
      if (board(x, y) != EMPTY) set |= square_bit(x, y);
  return set;
}

// Plays a random game from a random position, checking the key after every
// move and, now and then, that taking the move back restores everything.
void play_random_game(std::mt19937& rng, Seen& seen) {
  const GameState start = testing::random_position(rng, 30);
  SearchPosition position =
      search_position(start.board, start.lower_hand, start.upper_hand, rng() % 2 ? +1 : -1);
  static CandidateList moves;
  for (int ply = 0; ply < 120; ++ply) {
    generate_candidates(position.board, position.hand_of(position.side), position.side, moves);
    if (moves.count == 0) return;
    const Candidate move = moves.move[rng() % moves.count];
    const SearchPosition before = position;
    const int taken = position.board(move.to_x, move.to_y);
    if (taken == -position.side * KING) return;  // the game would end here
    MoveUndo undo;
    play(position, move, undo);
    ++seen.moves;
    seen.drops += move.is_drop();
    seen.captures += taken != EMPTY;
    seen.promotions += move.placed != move.moved;
    ASSERT_EQ(position.key, scratch_key(position)) << "after ply " << ply;
    ASSERT_TRUE(position.occupied == occupied_squares(position.board)) << "after ply " << ply;
    if (rng() % 8 == 0) {
      take_back(position, move, undo);
      ASSERT_EQ(position.board, before.board);
      ASSERT_EQ(position.key, before.key);
      ASSERT_TRUE(position.occupied == before.occupied);
      ASSERT_EQ(position.side, before.side);
      for (int slot = 1; slot <= 7; ++slot) {
        ASSERT_EQ(position.hand[0][slot], before.hand[0][slot]);
        ASSERT_EQ(position.hand[1][slot], before.hand[1][slot]);
      }
      play(position, move, undo);
    }
  }
}

TEST(Zobrist, KeysKeptMoveByMoveEqualKeysFromScratch) {
  std::mt19937 rng(4242);
  Seen seen;
  for (int game = 0; game < 300; ++game) {
    play_random_game(rng, seen);
    if (HasFatalFailure()) return;
  }
  EXPECT_GT(seen.moves, 10000);
  EXPECT_GT(seen.drops, 1000);
  EXPECT_GT(seen.captures, 1000);
  EXPECT_GT(seen.promotions, 300);
}

TEST(Zobrist, SideHandsAndSquaresAllChangeTheKey) {
  GameState state;
  set_initial_position(state);
  const PositionKey upper = position_key(state.board, state.lower_hand, state.upper_hand, +1);
  EXPECT_NE(upper, position_key(state.board, state.lower_hand, state.upper_hand, -1));
  state.lower_hand[1] = 1;
  const PositionKey lower_pawn = position_key(state.board, state.lower_hand, state.upper_hand, +1);
  EXPECT_NE(upper, lower_pawn);
  state.lower_hand[1] = 0;
  state.upper_hand[1] = 1;
  EXPECT_NE(lower_pawn, position_key(state.board, state.lower_hand, state.upper_hand, +1));
  EXPECT_NE(square_key(PAWN, 1, 3), square_key(-PAWN, 1, 3));
  EXPECT_NE(square_key(PAWN, 1, 3), square_key(TOKIN, 1, 3));
  EXPECT_EQ(square_key(EMPTY, 1, 3), 0u);
  EXPECT_EQ(hand_key(+1, 1, 0), 0u);
}

}  // namespace
}  // namespace kumora
