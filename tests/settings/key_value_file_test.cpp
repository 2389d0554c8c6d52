// The window's small settings file: what it reads, what it writes back, and
// what it does when the name holds something else than a file.
#include "settings/key_value_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

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

TEST(KeyValueFile, APipeReadsAsEmptyAndALinkIsReplacedNotFollowed) {
  testing::TemporaryFolder folder;
  ASSERT_EQ(mkfifo(folder.file("pipe.ini").c_str(), 0600), 0);
  EXPECT_EQ(KeyValueFile(folder.file("pipe.ini")).value("language", "none"), "none");
  std::string error;
  ASSERT_TRUE(KeyValueFile(folder.file("pipe.ini")).set({{"language", "en"}}, error)) << error;
  EXPECT_EQ(content(folder.file("pipe.ini")), "[General]\nlanguage=en\n");

  std::ofstream(folder.file("elsewhere")) << "language=en\n";
  fs::create_symlink(folder.file("elsewhere"), folder.file("window.ini"));
  KeyValueFile linked(folder.file("window.ini"));
  EXPECT_EQ(linked.value("language"), "en");
  ASSERT_TRUE(linked.set({{"language", "ja"}}, error)) << error;
  EXPECT_EQ(content(folder.file("elsewhere")), "language=en\n");
  EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(folder.file("window.ini"))));
  EXPECT_EQ(KeyValueFile(folder.file("window.ini")).value("language"), "ja");
}

}  // namespace
}  // namespace kumora
