// Replacing a file atomically: the temporary file is the program's own, the
// permissions stay, nothing is left behind.
#include "core/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/temporary_folder.h"

namespace kumora {
namespace {

namespace fs = std::filesystem;

class AtomicFile : public ::testing::Test {
 protected:
  std::string path(const std::string& name) const { return folder_.file(name); }
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

TEST_F(AtomicFile, ANewFileGetsTheUsualPermissionsLessTheUmask) {
  const mode_t old_mask = umask(022);
  std::string error;
  const bool written = replace_file_atomically(path("new.棋譜"), "new", error);
  umask(old_mask);
  ASSERT_TRUE(written) << error;
  using fs::perms;
  EXPECT_EQ(fs::status(path("new.棋譜")).permissions(),
            perms::owner_read | perms::owner_write | perms::group_read | perms::others_read);
}

TEST_F(AtomicFile, ALinkIsReplacedItselfWithTheUsualPermissions) {
  const std::string target = path("shared.ini");
  std::ofstream(target) << "theirs";
  fs::permissions(target, fs::perms::all & ~(fs::perms::owner_exec | fs::perms::group_exec |
                                             fs::perms::others_exec));  // 666
  fs::create_symlink(target, path("Kumora.ini"));
  const mode_t old_mask = umask(022);
  std::string error;
  const bool written = replace_file_atomically(path("Kumora.ini"), "ours", error);
  umask(old_mask);
  ASSERT_TRUE(written) << error;
  EXPECT_EQ(content(target), "theirs");
  EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(path("Kumora.ini"))));
  using fs::perms;
  EXPECT_EQ(fs::status(path("Kumora.ini")).permissions(),
            perms::owner_read | perms::owner_write | perms::group_read | perms::others_read);
}

TEST_F(AtomicFile, APipeIsReplacedWithoutBeingOpenedAndAFolderIsLeft) {
  ASSERT_EQ(mkfifo(path("window.ini").c_str(), 0644), 0);
  std::string error;
  ASSERT_TRUE(replace_file_atomically(path("window.ini"), "new", error)) << error;
  EXPECT_EQ(content(path("window.ini")), "new");
  fs::create_directory(path("folder.棋譜"));
  EXPECT_FALSE(replace_file_atomically(path("folder.棋譜"), "new", error));
  EXPECT_TRUE(fs::is_directory(fs::symlink_status(path("folder.棋譜"))));
}

TEST_F(AtomicFile, RemovesOnlyItsOwnTemporariesLeftByAnEndedRun) {
  const std::string dead = std::to_string(ended_process());
  const std::string alive = std::to_string(getpid());
  const std::string kept[] = {"notes.txt.tmp-" + dead, "game.棋譜.tmp-" + alive,
                              "game.棋譜.tmp-" + dead + "x"};
  const std::string removed[] = {"game.棋譜.tmp-" + dead, "other.棋譜.tmp-" + dead + "-3",
                                 "old.棋譜.tmp-" + alive + "-1"};
  for (const std::string& name : kept) std::ofstream(path(name)) << "left";
  for (const std::string& name : removed) std::ofstream(path(name)) << "left";
  fs::create_directory(path("folder.棋譜.tmp-" + dead));
  const std::string old = path("old.棋譜.tmp-" + alive + "-1");  // older than any save takes
  fs::last_write_time(old, fs::last_write_time(old) - std::chrono::hours(2));

  std::string error;
  ASSERT_TRUE(replace_file_atomically(path("game.棋譜"), "new", error)) << error;
  for (const std::string& name : kept) EXPECT_TRUE(fs::exists(path(name))) << name;
  for (const std::string& name : removed) EXPECT_FALSE(fs::exists(path(name))) << name;
  EXPECT_TRUE(fs::exists(path("folder.棋譜.tmp-" + dead)));
}

}  // namespace
}  // namespace kumora
