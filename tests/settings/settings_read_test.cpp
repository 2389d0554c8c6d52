#include "settings/settings_read.h"

#include <gtest/gtest.h>

#include "core/code_page.h"
#include "settings/settings_file.h"

namespace kumora {
namespace {

std::string cp932_lines(const std::vector<std::string>& lines, const char* line_end = "\r\n") {
  std::string bytes;
  for (const std::string& line : lines) {
    std::string encoded;
    EXPECT_TRUE(utf8_to_cp932(line, encoded));
    bytes += encoded + line_end;
  }
  return bytes;
}

TEST(ReadSettingsLines, ReadsTheDefaultFile) {
  const SettingsRead read = read_settings_lines(cp932_lines(default_settings_lines()));
  EXPECT_TRUE(read.complete());
  EXPECT_EQ(read.background, BACKGROUND_MIDORI);
  EXPECT_FALSE(read.guidance_on);
  EXPECT_TRUE(read.elapsed_on);
  EXPECT_TRUE(read.music_on);
}

TEST(ReadSettingsLines, ReadsEveryChoice) {
  SettingsRead read = read_settings_lines(
      cp932_lines({"背景画=宇宙", "移動指導=ON", "経過時間=OFF", "BGM=OFF", "extra"}));
  EXPECT_TRUE(read.complete());
  EXPECT_EQ(read.background, BACKGROUND_UCHU);
  EXPECT_TRUE(read.guidance_on);
  EXPECT_FALSE(read.elapsed_on);
  EXPECT_FALSE(read.music_on);

  const std::pair<const char*, int> backgrounds[] = {{"背景画=緑", BACKGROUND_MIDORI},
                                                     {"背景画=竹", BACKGROUND_TAKE},
                                                     {"背景画=畳", BACKGROUND_TATAMI},
                                                     {"背景画=煉瓦", BACKGROUND_RENGA}};
  for (const auto& [line, code] : backgrounds) {
    EXPECT_EQ(read_settings_lines(cp932_lines({line}, "\n")).background, code) << line;
  }
}

TEST(ReadSettingsLines, ComparesWholeLinesExactly) {
  const SettingsRead read =
      read_settings_lines(cp932_lines({"背景画=緑 ", "移動指導=on", "経過時間=ON\r", " BGM=ON"}));
  EXPECT_TRUE(read.complete());
  EXPECT_EQ(read.background, 0);
  EXPECT_FALSE(read.guidance_on);
  EXPECT_FALSE(read.elapsed_on);  // a second CR stays part of the line
  EXPECT_FALSE(read.music_on);
  // The file is code page 932; the same text in UTF-8 names nothing.
  EXPECT_EQ(read_settings_lines("背景画=竹\r\n").background, 0);
}

TEST(ReadSettingsLines, CountsTheLinesOfAShortFile) {
  const SettingsRead two = read_settings_lines(cp932_lines({"背景画=畳", "移動指導=ON"}));
  EXPECT_EQ(two.lines_present, 2);
  EXPECT_FALSE(two.complete());
  EXPECT_EQ(two.background, BACKGROUND_TATAMI);
  EXPECT_TRUE(two.guidance_on);

  EXPECT_EQ(read_settings_lines("").lines_present, 0);
  EXPECT_EQ(read_settings_lines("\r\n").lines_present, 1);
  EXPECT_EQ(read_settings_lines("a\r\nb\r\nc\r\nBGM=ON").lines_present, 4);
  EXPECT_TRUE(read_settings_lines("a\r\nb\r\nc\r\nBGM=ON").music_on);
}

TEST(ReadSettingsFile, IsNotOpenedWhenMissing) {
  const SettingsRead read = read_settings_file("/nonexistent-folder/Kumora.ini");
  EXPECT_FALSE(read.opened);
  EXPECT_FALSE(read.complete());
}

}  // namespace
}  // namespace kumora
