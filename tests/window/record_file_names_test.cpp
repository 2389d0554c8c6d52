// A record whose name is in code page 932 bytes is listed readably and opens.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/code_page.h"
#include "tools/scenario/scenario_runner.h"
#include "view/qt_app.h"

namespace kumora {
namespace {

namespace fs = std::filesystem;

TEST(RecordFileNames, ANameInCodePage932IsPickedByItsShownNameAndOpens) {
  ensure_qt_app();
  const fs::path old_dir = fs::current_path();
  std::string pattern = (fs::temp_directory_path() / "names-XXXXXX").string();
  ASSERT_NE(mkdtemp(pattern.data()), nullptr);
  fs::current_path(pattern);
  std::string kanji;
  ASSERT_TRUE(utf8_to_cp932("日", kanji));
  std::ofstream("a" + kanji + "b.棋譜") << "t\r\ntop\r\nbottom\r\n"
                                         " 8886-900-900   0    0    0    0    0\r\n";
  std::istringstream script("menu KIFU_READ\npick a日b.棋譜\n");
  std::ostringstream out, err;
  EXPECT_EQ(run_scenario(script, out, err), 0) << err.str();
  EXPECT_NE(out.str().find("box \"棋譜\" \" 読み込みました\" ok"), std::string::npos) << out.str();
  fs::current_path(old_dir);
  fs::remove_all(pattern);
}

}  // namespace
}  // namespace kumora
