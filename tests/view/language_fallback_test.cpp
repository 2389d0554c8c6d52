// Without its English texts the program stays in Japanese and says so.
#include <gtest/gtest.h>

#include "core/translation.h"
#include "tests/view/qt_app.h"
#include "view/language.h"

namespace kumora {
namespace {

TEST(LanguageSwitch, EnglishWithoutItsTextsLeavesJapanese) {
  ensure_qt_app();
  LanguageSwitch language({"/nonexistent-kumora-folder"});
  EXPECT_FALSE(language.choose(Language::ENGLISH));
  EXPECT_EQ(language.current(), Language::JAPANESE);
  EXPECT_EQ(tr_text("Game", "開始"), "開始");
}

}  // namespace
}  // namespace kumora
