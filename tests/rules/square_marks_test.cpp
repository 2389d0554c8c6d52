// Mark tables against square sets, and the upper hand's rows against its slots.
#include <gtest/gtest.h>

#include <random>

#include "rules/square_set.h"

namespace kumora {
namespace {

TEST(SquareMarks, WritingASetMarksExactlyItsSquaresAndReadsBackTheSameSet) {
  std::mt19937_64 rng(5);
  SquareMarks marks;
  for (int n = 0; n < 200; ++n) {
    SquareSet set = ((SquareSet{rng()} << 64) | rng()) & ALL_SQUARES;
    if (n == 0) set = ALL_SQUARES;
    if (n == 1) set = 0;  // clears every mark the full set left
    write_marks(marks, set);
    for (int x = 1; x <= 9; ++x)
      for (int y = 1; y <= 9; ++y) ASSERT_EQ(marks(x, y), contains(set, x, y)) << x << "," << y;
    ASSERT_EQ(squares_of(marks), set) << n;
  }
  SquareMarks untouched;
  write_marks(untouched, 0);
  EXPECT_EQ(untouched, SquareMarks{});
}

TEST(UpperHand, RowsMirrorSlotsBothWays) {
  EXPECT_EQ(upper_hand_row_of_slot(1), 7);  // the pawn slot is the hand's bottom row
  EXPECT_EQ(upper_hand_row_of_slot(7), 1);
  for (int slot = 1; slot <= 7; ++slot)
    EXPECT_EQ(upper_hand_slot_of_row(upper_hand_row_of_slot(slot)), slot);
}

}  // namespace
}  // namespace kumora
