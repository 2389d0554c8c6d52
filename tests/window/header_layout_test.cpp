// The header lines of a record read for replay stay inside the window and
// clear of each other and of the column numbers.
#include <gtest/gtest.h>

#include "kifu/record_file.h"
#include "window/header_layout.h"

namespace kumora {
namespace {

TEST(HeaderLayout, AShortTitleIsCentredUnderTheBoard) {
  const HeaderPlaces places = place_headers("王取りテスト", "山田", "田中");
  const double width = text_width("王取りテスト", 12);
  EXPECT_DOUBLE_EQ(width, 6 * 240);
  EXPECT_GE(places.title.x, 0);
  EXPECT_NEAR(places.title.x + width / 2, 1050 + 495 * 5.5, 1);
  EXPECT_EQ(places.title.y, 6350);
}

TEST(HeaderLayout, ATitleThatFitsWhereTheLayoutPutsItStaysThere) {
  // 23 characters: printed from title_x − 3000 = 624.6, clear of a name far right.
  const std::string title = "ABCDEFGHIJKLMNOPQRSTUVW";
  const HeaderPlaces places =
      place_headers(title, "", "なまえなまえなまえなまえなまえなまえなまえ");
  EXPECT_DOUBLE_EQ(places.title.x, title_x(title) - 3000);
  EXPECT_EQ(places.title.y, 6350);
}

TEST(HeaderLayout, OnlyTheLowerNameCanBeInTheTitlesWay) {
  // The title starts just right of the one-character lower name; the long
  // upper name is printed above the board and is no obstacle.
  const std::string title(34, 'A');
  const HeaderPlaces places = place_headers(title, "山田太郎名人戦記録係", "田");
  EXPECT_GT(places.title.x, places.bottom_name.x + text_width("田", 12));
  EXPECT_DOUBLE_EQ(places.title.x, title_x(title) - 3000);
  EXPECT_EQ(places.title.y, 6350);
}

TEST(HeaderLayout, ALongTitleThatWouldRunIntoTheNameGoesALineLower) {
  const std::string title = "第一回雲羅将棋名人戦決勝七番勝負第七局";
  const HeaderPlaces places = place_headers(title, "山田", "田中花子");
  EXPECT_EQ(places.title.y, 6350 + 300);
  EXPECT_GE(places.title.x, 0);
  EXPECT_LE(places.title.x + text_width(title, 12), 9000);
}

TEST(HeaderLayout, TheUpperNameStaysAboveTheColumnNumbers) {
  const HeaderPlaces places = place_headers("", "山田太郎名人", "");
  EXPECT_DOUBLE_EQ(places.top_name.x, title_x("山田太郎名人"));
  // 12 points from its top: ends 240 twips lower, above the numbers' glyphs.
  EXPECT_LE(places.top_name.y + 240, 300);
}

TEST(HeaderLayout, HalfWidthCharactersAreHalfAnEm) {
  EXPECT_DOUBLE_EQ(text_width("ﾏｲ", 12), 240);
  EXPECT_DOUBLE_EQ(text_width("ab", 10), 200);
}

}  // namespace
}  // namespace kumora
