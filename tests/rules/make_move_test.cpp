// Making a move on board and hands.
#include <gtest/gtest.h>

#include "rules/make_move.h"
#include "tests/rules/positions.h"

namespace kumora {
namespace {

using testing::initial_state;

TEST(MakeMove, ChainMoveLeavesTheLinksInPlace) {
  Position state = initial_state();
  const MoveRedraw redraw = make_move(state, 8, 8, 8, 6, -ROOK);
  EXPECT_EQ(state.board(8, 8), EMPTY);
  EXPECT_EQ(state.board(8, 7), -PAWN);
  EXPECT_EQ(state.board(8, 6), -ROOK);
  EXPECT_EQ(redraw.captured, EMPTY);
  EXPECT_EQ(redraw.capture_hand, 0);
  EXPECT_EQ(redraw.drop_hand, 0);
  EXPECT_EQ(state.lower_hand_total + state.upper_hand_total, 0);
}

TEST(MakeMove, CapturedPromotedPiecesEnterTheHandUnpromoted) {
  Position state = initial_state();
  state.board(5, 5) = DRAGON;
  state.board(5, 6) = -GOLD;
  MoveRedraw redraw = make_move(state, 5, 6, 5, 5, -GOLD);
  EXPECT_EQ(state.lower_hand[7], 1);
  EXPECT_EQ(state.lower_hand_total, 1);
  EXPECT_EQ(redraw.captured, DRAGON);
  EXPECT_EQ(redraw.capture_hand, LOWER_HAND_COLUMN);

  state.board(4, 4) = GOLD;
  state.board(4, 5) = -TOKIN;
  redraw = make_move(state, 4, 4, 4, 5, GOLD);
  EXPECT_EQ(state.upper_hand[1], 1);
  EXPECT_EQ(state.upper_hand_total, 1);
  EXPECT_EQ(redraw.capture_hand, UPPER_HAND_COLUMN);
}

// Every kind, promoted or not, of either side: the captor's hand gains one
// piece in the slot of the unpromoted kind, its total one, nothing else moves.
TEST(MakeMove, EveryCapturedKindEntersTheCaptorsSlotUnpromoted) {
  const struct {
    int kind, slot;
  } cases[] = {{PAWN, 1},   {TOKIN, 1},           {LANCE, 2},  {PROMOTED_LANCE, 2},
               {KNIGHT, 3}, {PROMOTED_KNIGHT, 3}, {SILVER, 4}, {PROMOTED_SILVER, 4},
               {GOLD, 5},   {BISHOP, 6},          {HORSE, 6},  {ROOK, 7},
               {DRAGON, 7}};
  for (const auto& c : cases) {
    for (const int sign : {1, -1}) {
      const int victim = sign * c.kind;
      Position state;
      state.board(5, 5) = victim;
      state.board(5, 6) = -sign * GOLD;
      make_move(state, 5, 6, 5, 5, -sign * GOLD);
      const int* captor = sign > 0 ? state.lower_hand : state.upper_hand;
      const int* other = sign > 0 ? state.upper_hand : state.lower_hand;
      for (int slot = 0; slot <= 7; ++slot) {
        EXPECT_EQ(captor[slot], slot == c.slot ? 1 : 0) << victim << " slot " << slot;
        EXPECT_EQ(other[slot], 0) << victim;
      }
      EXPECT_EQ(sign > 0 ? state.lower_hand_total : state.upper_hand_total, 1) << victim;
      EXPECT_EQ(sign > 0 ? state.upper_hand_total : state.lower_hand_total, 0) << victim;
    }
  }
}

TEST(MakeMove, CapturedKingDecidesTheGameAndEntersNoHand) {
  Position state = initial_state();
  state.board(5, 2) = -GOLD;
  make_move(state, 5, 2, 5, 1, -GOLD);
  EXPECT_EQ(state.winner, state.lower_side);
  for (int k = 0; k <= 7; ++k) EXPECT_EQ(state.lower_hand[k], 0) << k;
  EXPECT_EQ(state.lower_hand_total, 0);

  Position other = initial_state();
  other.board(5, 8) = GOLD;
  make_move(other, 5, 8, 5, 9, GOLD);
  EXPECT_EQ(other.winner, other.upper_side());
  EXPECT_EQ(other.upper_hand_total, 0);
}

TEST(MakeMove, DropsTakeThePieceFromTheHand) {
  Position state = initial_state();
  state.lower_hand[3] = 2;  // knights: hand row 5
  state.lower_hand_total = 2;
  MoveRedraw redraw = make_move(state, LOWER_HAND_COLUMN, 5, 5, 5, -KNIGHT);
  EXPECT_EQ(state.board(5, 5), -KNIGHT);
  EXPECT_EQ(state.lower_hand[3], 1);
  EXPECT_EQ(state.lower_hand_total, 1);
  EXPECT_EQ(redraw.drop_hand, LOWER_HAND_COLUMN);

  state.upper_hand[6] = 1;  // bishop: slot 6
  state.upper_hand_total = 1;
  redraw = make_move(state, UPPER_HAND_COLUMN, 6, 5, 4, BISHOP);
  EXPECT_EQ(state.board(5, 4), BISHOP);
  EXPECT_EQ(state.upper_hand[6], 0);
  EXPECT_EQ(state.upper_hand_total, 0);
  EXPECT_EQ(redraw.drop_hand, UPPER_HAND_COLUMN);
}

TEST(MakeMove, FollowsTheLowerKing) {
  Position state = initial_state();
  state.board(5, 8) = -GOLD;
  make_move(state, 5, 9, 5, 7, -KING);
  EXPECT_EQ(state.lower_king_x, 5);
  EXPECT_EQ(state.lower_king_y, 7);
  state.upper_king_x = 0;
  make_move(state, 5, 1, 5, 2, KING);
  EXPECT_EQ(state.upper_king_x, 0);
}

}  // namespace
}  // namespace kumora
