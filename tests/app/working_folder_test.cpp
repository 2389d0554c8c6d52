#include "app/working_folder.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace kumora
