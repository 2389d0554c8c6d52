// The translation hook: texts as written until a lookup is installed,
// placeholders filled in one pass.
#include "core/translation.h"

#include <gtest/gtest.h>

#include <string>

namespace kumora {
namespace {

std::string shouted(const char* context, const char* source) {
  return std::string(context) + ":" + source + "!";
}

TEST(Translation, TextsStayAsWrittenUntilALookupIsInstalled) {
  EXPECT_EQ(tr_text("Game", "先手の番です"), "先手の番です");
  set_text_lookup(shouted);
  EXPECT_EQ(tr_text("Game", "先手の番です"), "Game:先手の番です!");
  set_text_lookup(nullptr);
  EXPECT_EQ(tr_text("Game", "先手の番です"), "先手の番です");
  // Marking a text for a table changes nothing.
  EXPECT_STREQ(tr_noop("Menu", "対局"), "対局");
}

TEST(Translation, PlaceholdersAreFilledInOnePassInTheTranslationsOrder) {
  EXPECT_EQ(fill_in("棋譜ﾌｧｲﾙの%1行目が正しくありません\r%2", {"4", "２歩です"}),
            "棋譜ﾌｧｲﾙの4行目が正しくありません\r２歩です");
  EXPECT_EQ(fill_in("Line %1: %2", {"4", "two pawns"}), "Line 4: two pawns");
  EXPECT_EQ(fill_in("%2 before %1", {"a", "b"}), "b before a");
  // An argument that holds a placeholder is not filled in again.
  EXPECT_EQ(fill_in("%1 and %2", {"%2", "x"}), "%2 and x");
  // Without its argument, or not followed by a digit 1..9, % stays.
  EXPECT_EQ(fill_in("%1 %3 %0 100% %", {"a"}), "a %3 %0 100% %");
  EXPECT_EQ(fill_in("", {"a"}), "");
}

}  // namespace
}  // namespace kumora
