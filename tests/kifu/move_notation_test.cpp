// The move list's notation checked against moves written out by hand.
#include <gtest/gtest.h>

#include "kifu/move_notation.h"

namespace kumora {
namespace {

void add(MoveRecord& record, int fx, int fy, int tx, int ty, int moved, int placed, int taken = 0) {
  RecordEntry& e = record.entry[++record.length];
  e = RecordEntry{fx, fy, tx, ty, taken, moved, placed, 0, 0, 0, 0};
}

TEST(MoveNotation, AGameWithRecapturesDropsAndPromotions) {
  MoveRecord record;
  add(record, 3, 8, 3, 6, -800, -800);       // lower bishop from ７八 through a pawn to ７六
  add(record, 7, 2, 3, 6, 800, 800, -800);   // upper bishop takes it on the same square
  add(record, 7, 9, 3, 6, -100, -100, 800);  // the lower silver takes back there
  add(record, -1, 1, 5, 5, 10, 10);          // an upper pawn dropped (hand slot 1)
  add(record, 11, 3, 5, 6, -10, -10);        // a lower pawn dropped (hand row 3)
  add(record, 3, 6, 8, 2, -100, -101, 20);   // the silver arrives in the zone and promotes
  add(record, 2, 1, 3, 3, 30, 30);           // an upper knight could not promote on row 3
  add(record, 3, 3, 2, 7, 30, 30);           // ... and declines promotion on row 7
  add(record, 8, 2, 8, 1, -101, -101);       // a promoted silver moves on
  add(record, 2, 2, 2, 8, 900, 901);         // rook promotes to 竜
  add(record, 5, 5, 5, 3, 801, 801);         // horse
  const char* const expected[] = {"▲７六角",   "△同　角",   "▲同　銀", "△５五歩打",
                                  "▲５六歩打", "▲２二銀成", "△７三桂", "△８七桂不成",
                                  "▲２一成銀", "△８八飛成", "△５三馬"};
  for (int i = 1; i <= record.length; ++i) {
    EXPECT_EQ(move_notation(record, i, true), expected[i - 1]) << "move " << i;
  }
}

TEST(MoveNotation, TheMarksFollowWhoMovedFirst) {
  MoveRecord record;
  add(record, 2, 2, 2, 4, 900, 900);
  add(record, 8, 8, 8, 6, -900, -900);
  // The upper side moved first: its moves are ▲.
  EXPECT_EQ(move_notation(record, 1, false), "▲８四飛");
  EXPECT_EQ(move_notation(record, 2, false), "△２六飛");
  EXPECT_EQ(move_notation(record, 0, false), "");
  EXPECT_EQ(move_notation(record, 3, false), "");
}

}  // namespace
}  // namespace kumora
