// In English every caption the window prints on the board is English, but
// for what stays as it is in both languages: the board's labels, the pieces'
// kanji in the last moves, the clocks and LEVEL.
#include <gtest/gtest.h>

#include <QString>
#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "tests/window/gui_app.h"
#include "tools/scenario/scenario_runner.h"
#include "view/language.h"

namespace kumora {
namespace {

// The texts of the "text" lines of a transcript's paints.
std::vector<std::string> printed_texts(const std::string& transcript) {
  std::vector<std::string> texts;
  std::istringstream lines(transcript);
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("text ", 0) != 0) continue;
    const size_t open = line.find('"');
    texts.push_back(line.substr(open + 1, line.size() - open - 2));
  }
  return texts;
}

bool stays_in_both_languages(const std::string& text) {
  static const QString labels = QString::fromUtf8("０１２３４５６７８９〇一二三四五六七八九");
  static const QString pieces = QString::fromUtf8("歩と香杏桂圭銀全金角馬飛龍王成");
  for (const QChar c : QString::fromStdString(text)) {
    if (c.unicode() > 0x7F && !labels.contains(c) && !pieces.contains(c)) return false;
  }
  return true;
}

TEST(EnglishCaptions, TheBoardIsCaptionedInEnglish) {
  ensure_gui_app();
  LanguageSwitch language({QString::fromUtf8(KUMORA_TRANSLATIONS_DIR)});
  ASSERT_TRUE(language.choose(Language::ENGLISH));
  // A handicap, a game against the computer, a move each, a step back.
  std::istringstream script(
      "menu LBEL_UP\nmenu SENTE\nclick 8 8\nclick 8 7\nclick 8 6\nmenu REPLAY\nmenu MIDORI\n"
      "paints\n");
  std::ostringstream out, err;
  ASSERT_EQ(run_scenario(script, out, err), 0) << err.str();
  const std::vector<std::string> texts = printed_texts(out.str());
  for (const char* expected : {"Handicap: 3-kyu", "Thinking", "moves", "LEVEL"}) {
    EXPECT_NE(std::find(texts.begin(), texts.end(), expected), texts.end()) << expected;
  }
  for (const std::string& text : texts) EXPECT_TRUE(stays_in_both_languages(text)) << text;
  language.choose(Language::JAPANESE);
}

}  // namespace
}  // namespace kumora
