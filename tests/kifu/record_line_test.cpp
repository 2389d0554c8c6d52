#include <gtest/gtest.h>

#include <limits>

#include "core/constants.h"
#include "kifu/record_line.h"

namespace kumora {
namespace {

RecordEntry pawn_push(double lower_before, double lower_after) {
  RecordEntry e;
  e.from_x = 7;
  e.from_y = 7;
  e.to_x = 7;
  e.to_y = 6;
  e.moved = -PAWN;
  e.placed = -PAWN;
  e.lower_clock_before = lower_before;
  e.lower_clock_after = lower_after;
  return e;
}

TEST(FormatMoveLine, WritesTheFixedColumns) {
  EXPECT_EQ(format_move_line(pawn_push(0, 5)), " 7776 -10 -10   0    0    5    0    0");

  RecordEntry drop;
  drop.from_x = 11;
  drop.from_y = 8;
  drop.to_x = 5;
  drop.to_y = 5;
  drop.moved = drop.placed = -BISHOP;
  EXPECT_EQ(format_move_line(drop), "11855-800-800   0    0    0    0    0");
  drop.from_x = -1;
  drop.from_y = 6;
  drop.moved = drop.placed = BISHOP;
  drop.taken = -KING;
  drop.upper_clock_after = 99999;
  EXPECT_EQ(format_move_line(drop), "-1655 800 800-950    0    0    099999");
}

TEST(FormatMoveLine, DropsTheFractionOfEveryClock) {
  const std::string line = format_move_line(pawn_push(12, 1234.9));
  EXPECT_EQ(line.substr(17, 5), "   12");
  EXPECT_EQ(line.substr(22, 5), " 1234");
}

TEST(FormatMoveLine, KeepsTheColumnsForValuesThatDoNotFit) {
  const double huge_clocks[] = {100000, 1e12, std::numeric_limits<double>::infinity(),
                                std::numeric_limits<double>::quiet_NaN(), -3.5};
  const char* written[] = {"99999", "99999", "99999", "    0", "    0"};
  for (int i = 0; i < 5; ++i) {
    const std::string line = format_move_line(pawn_push(0, huge_clocks[i]));
    ASSERT_EQ(line.size(), 37u) << i;
    EXPECT_EQ(line.substr(22, 5), written[i]) << i;
    EXPECT_EQ(line.substr(0, 22), " 7776 -10 -10   0    0") << i;
  }

  RecordEntry wild;
  wild.from_x = 123;
  wild.from_y = -4;
  wild.to_x = 10;
  wild.to_y = 9;
  wild.placed = -12345;
  wild.moved = 123456;
  wild.taken = std::numeric_limits<int>::min();
  EXPECT_EQ(format_move_line(wild), "99099-9999999-999    0    0    0    0");
}

TEST(ParseMoveLine, ReadsBackWhatWasWritten) {
  RecordEntry e = pawn_push(12.5, 1234.9);
  e.taken = 110;
  e.upper_clock_before = 7;
  e.upper_clock_after = 99999;
  RecordEntry read;
  ASSERT_FALSE(parse_move_line(format_move_line(e), read).found());
  EXPECT_EQ(read.from_x, 7);
  EXPECT_EQ(read.to_y, 6);
  EXPECT_EQ(read.placed, -PAWN);
  EXPECT_EQ(read.moved, -PAWN);
  EXPECT_EQ(read.taken, 110);
  EXPECT_EQ(read.lower_clock_before, 12);
  EXPECT_EQ(read.lower_clock_after, 1234);
  EXPECT_EQ(read.upper_clock_before, 7);
  EXPECT_EQ(read.upper_clock_after, 99999);
}

TEST(ParseMoveLine, IgnoresBlanksAndGivesZeroForMissingFields) {
  RecordEntry read;
  read.upper_clock_after = 42;
  ASSERT_FALSE(parse_move_line(" 7776 -10 -10   0  1 2", read).found());
  EXPECT_EQ(read.from_x, 7);
  EXPECT_EQ(read.moved, -PAWN);
  EXPECT_EQ(read.lower_clock_before, 12);  // "1 2" with its blank ignored
  EXPECT_EQ(read.lower_clock_after, 0);
  EXPECT_EQ(read.upper_clock_after, 0);

  ASSERT_FALSE(parse_move_line("", read).found());
  EXPECT_EQ(read.from_x, 0);
  EXPECT_EQ(read.placed, 0);
}

TEST(ParseMoveLine, RefusesWhatIsNoNumberAndLeavesTheEntry) {
  struct Case {
    const char* line;
    const char* reason;
  };
  const Case cases[] = {
      {" 7776 -10 -10   0    0    5    0    0 ", "37文字より長い行です"},
      {" 7776 -10 -10   0    0    5    0   \xE3\x80\x80", "半角でない文字があります"},
      {" 7776 -1x -10   0    0    5    0    0", "6-9桁目に数字でない文字があります"},
      {" 7x76 -10 -10   0    0    5    0    0", "3桁目に数字でない文字があります"},
      {" 7776 -10 -10   0    0    5    0   +0", "33-37桁目に数字でない文字があります"},
      {" 7776  -  -10   0    0    5    0    0", "6-9桁目に数字でない文字があります"},
      {" 7776 1-0 -10   0    0    5    0    0", "6-9桁目に数字でない文字があります"},
      {" 7776 -10 -10   0\t   0    5    0    0", "18-22桁目に数字でない文字があります"},
  };
  for (const Case& c : cases) {
    RecordEntry read;
    read.from_x = 3;
    EXPECT_EQ(parse_move_line(c.line, read).reason, c.reason) << c.line;
    EXPECT_EQ(read.from_x, 3) << c.line;
  }
}

}  // namespace
}  // namespace kumora
