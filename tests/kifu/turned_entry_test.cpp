// A record entry read on the board turned round, and turned back.
#include "kifu/turned_entry.h"

#include <gtest/gtest.h>

#include "core/constants.h"

namespace kumora {
namespace {

bool same(const RecordEntry& a, const RecordEntry& b) {
  return a.from_x == b.from_x && a.from_y == b.from_y && a.to_x == b.to_x && a.to_y == b.to_y &&
         a.moved == b.moved && a.placed == b.placed && a.taken == b.taken &&
         a.lower_clock_before == b.lower_clock_before &&
         a.lower_clock_after == b.lower_clock_after &&
         a.upper_clock_before == b.upper_clock_before && a.upper_clock_after == b.upper_clock_after;
}

TEST(TurnedEntry, AMoveIsRotatedWithItsPiecesAndClocksChangingSides) {
  // The lower silver from 7,9 takes an upper pawn on 6,7 and promotes.
  const RecordEntry move{7, 9, 6, 7, PAWN, -SILVER, -(SILVER + 1), 3, 8, 20, 20};
  const RecordEntry turned = turned_round(move);
  EXPECT_EQ(turned.from_x, 3);
  EXPECT_EQ(turned.from_y, 1);
  EXPECT_EQ(turned.to_x, 4);
  EXPECT_EQ(turned.to_y, 3);
  EXPECT_EQ(turned.moved, SILVER);
  EXPECT_EQ(turned.placed, SILVER + 1);
  EXPECT_EQ(turned.taken, -PAWN);
  EXPECT_EQ(turned.upper_clock_after, 8);
  EXPECT_EQ(turned.lower_clock_after, 20);
  EXPECT_TRUE(same(turned_round(turned), move));
}

TEST(TurnedEntry, ADropComesFromTheOtherHandAtTheRowOfItsKind) {
  // A lower knight (slot 3) is shown on row 5 of the lower hand; the upper
  // hand shows slot 3 on row 8 - 3.
  const RecordEntry drop{LOWER_HAND_COLUMN, 5, 5, 5, 0, -KNIGHT, -KNIGHT, 0, 0, 0, 0};
  const RecordEntry turned = turned_round(drop);
  EXPECT_EQ(turned.from_x, UPPER_HAND_COLUMN);
  EXPECT_EQ(turned.from_y, 5);
  EXPECT_EQ(turned.moved, KNIGHT);
  EXPECT_TRUE(same(turned_round(turned), drop));
  const RecordEntry lance{UPPER_HAND_COLUMN, 6, 1, 2, 0, LANCE, LANCE, 0, 0, 0, 0};
  EXPECT_EQ(turned_round(lance).from_x, LOWER_HAND_COLUMN);
  EXPECT_EQ(turned_round(lance).from_y, 4);
}

}  // namespace
}  // namespace kumora
