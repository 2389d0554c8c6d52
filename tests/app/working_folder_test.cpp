#include "app/working_folder.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace kumora {
namespace {

namespace fs = std::filesystem;

// A temporary folder, and the current directory given back afterwards.
class WorkingFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    start_ = fs::current_path();
    root_ = fs::temp_directory_path() / ("kumora-working-folder-" + std::to_string(getpid()));
    fs::remove_all(root_);
    fs::create_directories(root_);
  }
  void TearDown() override {
    fs::current_path(start_);
    fs::remove_all(root_);
  }

  fs::path start_;
  fs::path root_;
};

TEST_F(WorkingFolder, MakesTheMissingFoldersAndMovesIn) {
  const fs::path folder = root_ / "share" / "kumora-shogi";
  std::string error;
  ASSERT_TRUE(enter_working_folder(folder.string(), error)) << error;
  EXPECT_TRUE(fs::equivalent(fs::current_path(), folder));
}

TEST_F(WorkingFolder, KeepsWhatAnExistingFolderHolds) {
  const fs::path folder = root_ / "kumora-shogi";
  fs::create_directories(folder);
  std::ofstream(folder / "Kumora.ini") << "kept";
  std::string error;
  ASSERT_TRUE(enter_working_folder(folder.string(), error)) << error;
  EXPECT_TRUE(fs::exists("Kumora.ini"));
}

TEST_F(WorkingFolder, AFileInTheWayIsRefusedAndTheDirectoryStays) {
  std::ofstream(root_ / "share") << "not a folder";
  for (const fs::path& folder : {root_ / "share", root_ / "share" / "kumora-shogi"}) {
    std::string error;
    EXPECT_FALSE(enter_working_folder(folder.string(), error)) << folder;
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(fs::current_path(), start_);
  }
}

// Runs `attempt` in a child process as an ordinary user (root may write
// anywhere); answers its exit status.
template <typename Attempt>
int as_ordinary_user(Attempt attempt) {
  const pid_t child = fork();
  if (child == 0) {
    if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(99);
    _exit(attempt());
  }
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 98;
}

TEST_F(WorkingFolder, AFolderThatCannotBeWrittenIsRefused) {
  const fs::path folder = root_ / "read-only";
  fs::create_directories(folder);
  fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                              fs::perms::group_exec | fs::perms::others_read |
                              fs::perms::others_exec);
  const int outcome = as_ordinary_user([&] {
    std::string error;
    if (enter_working_folder(folder.string(), error)) return 1;
    if (error.empty()) return 2;
    return fs::current_path() == start_ ? 0 : 3;
  });
  EXPECT_EQ(outcome, 0) << "1: entered, 2: no reason given, 3: moved anyway";
}

}  // namespace
}  // namespace kumora
