// The initial position and the hands.
#include <gtest/gtest.h>

#include "rules/position.h"

namespace kumora {
namespace {

TEST(InitialPosition, HasFortyPiecesInPlaceAndEmptyHands) {
  Position state;
  state.lower_hand[3] = 2;
  state.upper_hand_total = 5;
  state.board(5, 5) = 900;
  set_initial_position(state);
  int pieces = 0;
  for (int x = 0; x <= 9; ++x) {
    for (int y = 0; y <= 9; ++y) pieces += state.board(x, y) != EMPTY;
  }
  EXPECT_EQ(pieces, 40);
  EXPECT_EQ(state.board(5, 5), EMPTY);
  EXPECT_EQ(state.board(5, 1), 950);
  EXPECT_EQ(state.board(5, 9), -950);
  EXPECT_EQ(state.board(2, 2), 900);
  EXPECT_EQ(state.board(8, 2), 800);
  EXPECT_EQ(state.board(2, 8), -800);
  EXPECT_EQ(state.board(8, 8), -900);
  EXPECT_EQ(state.board(1, 9), -20);
  EXPECT_EQ(state.board(3, 1), 100);
  for (int slot = 0; slot <= 7; ++slot) {
    EXPECT_EQ(state.lower_hand[slot], 0);
    EXPECT_EQ(state.upper_hand[slot], 0);
  }
  EXPECT_EQ(state.lower_hand_total, 0);
  EXPECT_EQ(state.upper_hand_total, 0);
}

TEST(HandTotals, CountOnlyPositiveSlots) {
  Position state;
  state.lower_hand[1] = 3;
  state.lower_hand[7] = 1;
  state.upper_hand[2] = -1;
  state.upper_hand[5] = 2;
  recompute_hand_totals(state);
  EXPECT_EQ(state.lower_hand_total, 4);
  EXPECT_EQ(state.upper_hand_total, 2);
}

TEST(HandIndex, PromotedPiecesGoBackToTheirKind) {
  EXPECT_EQ(hand_index(-11), 1);
  EXPECT_EQ(hand_index(21), 2);
  EXPECT_EQ(hand_index(-31), 3);
  EXPECT_EQ(hand_index(101), 4);
  EXPECT_EQ(hand_index(110), 5);
  EXPECT_EQ(hand_index(-801), 6);
  EXPECT_EQ(hand_index(901), 7);
  EXPECT_EQ(hand_index(950), 0);
  EXPECT_EQ(hand_index(111), 5);  // never produced; a captured one would count as a gold
  EXPECT_EQ(hand_index(9), 0);
}

}  // namespace
}  // namespace kumora
