// The window's small settings file: what it reads and what it writes back
// (a link or a pipe in its place: the real window's tests, gui.settings_file).
#include "settings/key_value_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/temporary_folder.h"

namespace kumora {
namespace {

namespace fs = std::filesystem;

std::string content(const std::string& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(KeyValueFile, ReadsKeysAndWritesThemBackWithTheOnesItSets) {
  testing::TemporaryFolder folder;
  const std::string path = folder.file("kumora-shogi/window.ini");
  fs::create_directory(folder.file("kumora-shogi"));
  std::ofstream(path) << "[General]\r\nlanguage=en\r\n# a note\r\nlater=kept=as is\r\n";
  KeyValueFile file(path);
  EXPECT_EQ(file.value("language"), "en");
  EXPECT_EQ(file.value("later"), "kept=as is");
  EXPECT_EQ(file.value("side_panel", "true"), "true");
  std::string error;
  ASSERT_TRUE(file.set({{"side_panel", "false"}, {"bad\nkey", "x"}, {"y", "1\n2"}}, error));
  EXPECT_EQ(content(path), "[General]\nlanguage=en\nlater=kept=as is\nside_panel=false\n");
}

}  // namespace
}  // namespace kumora
