#include <gtest/gtest.h>

#include "settings/handicap.h"
#include "window/clock_text.h"
#include "window/main_window.h"

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

TEST(ValueText, DigitsNumeralsAndPieceNames) {
  EXPECT_EQ(Drawing::value_text(1), "１");
  EXPECT_EQ(Drawing::value_text(9), "９");
  EXPECT_EQ(Drawing::value_text(1001), "一");
  EXPECT_EQ(Drawing::value_text(1009), "九");
  EXPECT_EQ(Drawing::value_text(-10), "歩");
  EXPECT_EQ(Drawing::value_text(11), "と");
  EXPECT_EQ(Drawing::value_text(-11), "と");
  EXPECT_EQ(Drawing::value_text(21), "香成");
  EXPECT_EQ(Drawing::value_text(-31), "桂成");
  EXPECT_EQ(Drawing::value_text(101), "銀成");
  EXPECT_EQ(Drawing::value_text(-110), "金");
  EXPECT_EQ(Drawing::value_text(801), "角成");
  EXPECT_EQ(Drawing::value_text(-901), "飛成");
  EXPECT_EQ(Drawing::value_text(950), "王");
}

TEST(Captions, GradesUseTheirOwnDigits) {
  EXPECT_EQ(caption_text(-10), "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人");
  EXPECT_EQ(caption_text(-9), "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８段");
  EXPECT_EQ(caption_text(-2), "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:初段");
  EXPECT_EQ(caption_text(0), "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２級");
  EXPECT_EQ(caption_text(7), "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:９級");
  EXPECT_EQ(caption_text(8), "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:10級");
  EXPECT_EQ(caption_text(10), "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:12級");
  EXPECT_EQ(caption_text(99), "手目");
  EXPECT_EQ(caption_text(11), "");
  EXPECT_EQ(caption_text(-11), "");
}

}  // namespace
}  // namespace kumora
