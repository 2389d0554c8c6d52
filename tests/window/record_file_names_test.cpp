// A record whose name is in code page 932 bytes is listed readably and opens.
#include <gtest/gtest.h>
#include <fstream>
#include <sstream>

#include "core/code_page.h"
#include "tests/temporary_folder.h"
#include "tools/scenario/scenario_runner.h"
#include "view/qt_app.h"

namespace kumora {
namespace {

TEST(RecordFileNames, ANameInCodePage932IsPickedByItsShownNameAndOpens) {
  ensure_qt_app();
  testing::TemporaryFolder folder;
  folder.enter();
  std::string kanji;
  ASSERT_TRUE(utf8_to_cp932("日", kanji));
  std::ofstream("a" + kanji + "b.棋譜") << "t\r\ntop\r\nbottom\r\n"
                                         " 8886-900-900   0    0    0    0    0\r\n";
  std::istringstream script("menu KIFU_READ\npick a日b.棋譜\n");
  std::ostringstream out, err;
  EXPECT_EQ(run_scenario(script, out, err), 0) << err.str();
  EXPECT_NE(out.str().find("box \"棋譜\" \" 読み込みました\" ok"), std::string::npos) << out.str();
}

}  // namespace
}  // namespace kumora
