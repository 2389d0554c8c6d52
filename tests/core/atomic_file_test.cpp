// Replacing a file atomically: the temporary file is the program's own, the
// permissions stay, nothing is left behind.
#include "core/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "tests/temporary_folder.h"

namespace kumora {
namespace {

namespace fs = std::filesystem;

class AtomicFile : public ::testing::Test {
 protected:
  std::string path(const std::string& name) const { return folder_.file(name); }
  std::vector<std::string> names() const { return folder_.names(); }
  static std::string content(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }

  testing::TemporaryFolder folder_;
};

// A process id that is surely not running: a child that has ended.
pid_t ended_process() {
  const pid_t child = fork();
  if (child == 0) _exit(0);
  waitpid(child, nullptr, 0);
  return child;
}

TEST_F(AtomicFile, NeverWritesThroughALinkPlantedAtATemporaryName) {
  std::ofstream(path("victim")) << "secret";
  const std::string target = path("game.棋譜");
  const std::string pid = std::to_string(getpid());
  for (const std::string suffix : {"", "-0", "-1", "-2"}) {
    fs::create_symlink(path("victim"), target + ".tmp-" + pid + suffix);
  }
  std::string error;
  ASSERT_TRUE(replace_file_atomically(target, "new", error)) << error;
  EXPECT_EQ(content(path("victim")), "secret");
  EXPECT_EQ(content(target), "new");
  EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(target)));
}

TEST_F(AtomicFile, KeepsThePermissionsOfTheFileItReplaces) {
  const std::string target = path("game.棋譜");
  const fs::perms mode = fs::perms::owner_read | fs::perms::owner_write;  // 600
  std::ofstream(target) << "old";
  fs::permissions(target, mode);
  std::string error;
  ASSERT_TRUE(replace_file_atomically(target, "new", error)) << error;
  EXPECT_EQ(fs::status(target).permissions(), mode);
}

TEST_F(AtomicFile, RemovesOnlyItsOwnTemporariesLeftByAnEndedRun) {
  const std::string dead = std::to_string(ended_process());
  const std::string alive = std::to_string(getpid());
  for (const std::string& name : std::vector<std::string>{
           "game.棋譜.tmp-" + dead, "other.棋譜.tmp-" + dead + "-3", "notes.txt.tmp-" + dead,
           "game.棋譜.tmp-" + alive, "old.棋譜.tmp-" + alive + "-1", "game.棋譜.tmp-" + dead + "x",
           "game.棋譜.tmp-"}) {
    std::ofstream(path(name)) << "left";
  }
  fs::create_directory(path("folder.棋譜.tmp-" + dead));
  const auto two_hours_ago =
      fs::last_write_time(path("old.棋譜.tmp-" + alive + "-1")) - std::chrono::hours(2);
  fs::last_write_time(path("old.棋譜.tmp-" + alive + "-1"), two_hours_ago);

  std::string error;
  ASSERT_TRUE(replace_file_atomically(path("game.棋譜"), "new", error)) << error;
  std::vector<std::string> expected = {"folder.棋譜.tmp-" + dead,
                                       "game.棋譜",
                                       "game.棋譜.tmp-",
                                       "game.棋譜.tmp-" + alive,
                                       "game.棋譜.tmp-" + dead + "x",
                                       "notes.txt.tmp-" + dead};
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(names(), expected);
}

}  // namespace
}  // namespace kumora
