#include "core/code_page.h"

#include <gtest/gtest.h>

#include <string>

namespace kumora {
namespace {

std::string cp932(const std::string& utf8) {
  std::string bytes;
  EXPECT_TRUE(utf8_to_cp932(utf8, bytes)) << utf8;
  return bytes;
}

// Half-width katakana pairs are often well-formed UTF-8 as well ("ﾏｲ" is
// U+03F2): written in code page 932, every pair must read back as written.
TEST(DecodeJapaneseText, ReadsEveryPairOfHalfWidthKatakanaBackAsWritten) {
  for (int first = 0xA1; first <= 0xDF; ++first) {
    for (int second = 0xA1; second <= 0xDF; ++second) {
      const std::string bytes{static_cast<char>(first), static_cast<char>(second)};
      std::string written;
      ASSERT_TRUE(cp932_to_utf8(bytes, written));
      EXPECT_EQ(decode_japanese_text(bytes), written) << first << " " << second;
    }
  }
  EXPECT_EQ(decode_japanese_text(cp932("ﾏｲ ﾕｷ ﾘｶ")), "ﾏｲ ﾕｷ ﾘｶ");
}

TEST(DecodeJapaneseText, ReadsUtf8FromOtherTools) {
  for (const std::string text : {"田中", "王取りテスト", "名人戦 第1局", "Tanaka"}) {
    EXPECT_EQ(decode_japanese_text(text), text);
  }
  // The price of reading the program's own files right: "é" never comes from
  // them, but the same bytes as "ﾃｩ" may.
  EXPECT_EQ(decode_japanese_text("Jos\xC3\xA9"), "Josﾃｩ");
}

TEST(DecodeJapaneseText, ReplacesWhatNeitherEncodingHolds) {
  EXPECT_EQ(decode_japanese_text(cp932("名人戦")), "名人戦");
  EXPECT_EQ(decode_japanese_text("ab\xFF\x81"), "ab\xEF\xBF\xBD\xEF\xBF\xBD");
  EXPECT_EQ(decode_japanese_text(""), "");
}

TEST(FileNameText, ShowsUtf8AsItIsAndOtherBytesAsCodePage932) {
  EXPECT_EQ(file_name_text("ﾏｲ.棋譜"), "ﾏｲ.棋譜");
  EXPECT_EQ(file_name_text(cp932("対局.棋譜")), "対局.棋譜");
  EXPECT_EQ(file_name_text("a" + cp932("日") + "b.棋譜"), "a日b.棋譜");  // partly converted
  EXPECT_EQ(file_name_text("a\xFF.棋譜"), "a\xEF\xBF\xBD.棋譜");
}

}  // namespace
}  // namespace kumora
