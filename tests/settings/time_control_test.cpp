// The time control as the kept games' titles and the settings file write it,
// and which controls can be played.
#include <gtest/gtest.h>

#include "settings/time_control.h"

namespace kumora {
namespace {

TEST(TimeControl, TitlesAreReadBackAsWritten) {
  const TimeControl controls[] = {{300, 10, 0}, {180, 0, 5},   {0, 30, 0},
                                  {90, 0, 0},   {3661, 59, 1}, {TIME_CONTROL_MAX_SECONDS, 0, 0}};
  for (const TimeControl& control : controls) {
    const std::string title = time_control_title(control);
    TimeControl read;
    ASSERT_TRUE(parse_time_control_title(title, read)) << title;
    EXPECT_EQ(read, control) << title;
  }
  EXPECT_EQ(time_control_title({300, 10, 0}), "持ち時間5分 秒読み10秒");
  EXPECT_EQ(time_control_title({90, 0, 3}), "持ち時間1分30秒 加算3秒");
  EXPECT_EQ(time_control_title({}), "");
}

TEST(TimeControl, OnlyTitlesItWritesAreRead) {
  TimeControl read{1, 2, 3};
  for (const char* text : {"", "持ち時間", "持ち時間5", "持ち時間5分0秒", "持ち時間05分",
                           "秒読み10秒 持ち時間5分", "持ち時間5分  秒読み10秒", "持ち時間0秒",
                           "加算3秒", "持ち時間5分 反転", "持ち時間9999999分"}) {
    EXPECT_FALSE(parse_time_control_title(text, read)) << text;
  }
  EXPECT_EQ(read, (TimeControl{1, 2, 3}));
}

TEST(TimeControl, FindsTheControlAtTheEndOfAGameTitle) {
  const std::string title = "ＣＯＭ対局 LEVEL4 持ち時間5分 秒読み10秒";
  EXPECT_EQ(title.substr(find_time_control_title(title)), "持ち時間5分 秒読み10秒");
  EXPECT_EQ(find_time_control_title("人間対局 ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３級"), std::string::npos);
}

TEST(TimeControl, APlayableControlLeavesTimeForTheFirstMove) {
  EXPECT_TRUE(valid_time_control({}));
  EXPECT_TRUE(valid_time_control({0, 10, 0}));
  EXPECT_TRUE(valid_time_control({60, 0, 5}));
  EXPECT_FALSE(valid_time_control({0, 0, 5}));  // nothing to make the first move in
  EXPECT_FALSE(valid_time_control({-1, 10, 0}));
  EXPECT_FALSE(valid_time_control({TIME_CONTROL_MAX_SECONDS + 1, 0, 0}));
}

TEST(TimeControl, SettingsNumbersAreCheckedAsTheyAreRead) {
  TimeControl read;
  ASSERT_TRUE(parse_time_control_numbers(time_control_numbers({300, 10, 2}), read));
  EXPECT_EQ(read, (TimeControl{300, 10, 2}));
  for (const char* text : {"300 10", "300 10 0 0", "-5 10 0", "0 0 5", "a b c", "99999999 0 0"}) {
    EXPECT_FALSE(parse_time_control_numbers(text, read)) << text;
  }
  EXPECT_EQ(read, (TimeControl{300, 10, 2}));
}

}  // namespace
}  // namespace kumora
