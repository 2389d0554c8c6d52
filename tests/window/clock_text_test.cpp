#include <gtest/gtest.h>

#include "window/clock_text.h"

namespace kumora {
namespace {

TEST(ClockText, WholeSecondsHoursAndMinutes) {
  EXPECT_EQ(format_hms(0), "00:00:00");
  EXPECT_EQ(format_hms(59.7), "00:00:59");
  EXPECT_EQ(format_hms(3600), "01:00:00");
  EXPECT_EQ(format_hms(3725), "01:02:05");
  EXPECT_EQ(format_hms(36000 + 59 * 60 + 59.99), "10:59:59");
  // A hundred hours no longer fit two digits: the hour field stays empty.
  EXPECT_EQ(format_hms(360000), ":00:00");
}

TEST(ClockText, TwoDigits) {
  EXPECT_EQ(two_digits(0), "00");
  EXPECT_EQ(two_digits(7), "07");
  EXPECT_EQ(two_digits(42), "42");
  EXPECT_EQ(two_digits(100), "");
}

TEST(ClockText, ElapsedAcrossMidnight) {
  EXPECT_DOUBLE_EQ(elapsed(100, 160.5), 60.5);
  EXPECT_DOUBLE_EQ(elapsed(86390, 5), 15);
  EXPECT_DOUBLE_EQ(elapsed(5, 5), 0);
}

}  // namespace
}  // namespace kumora
