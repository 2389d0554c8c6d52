// Reading files the program did not write: only regular files, never too
// large, never blocking.
#include "core/file_read.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "tests/temporary_folder.h"

namespace kumora {
namespace {

namespace fs = std::filesystem;

class FileRead : public ::testing::Test {
 protected:
  void SetUp() override { alarm(20); }  // a read that blocks ends the test instead of hanging
  void TearDown() override { alarm(0); }
  std::string path(const char* name) const { return folder_.file(name); }
  ReadStatus status_of(const std::string& file, size_t max_bytes = 100) {
    bytes_ = "old";
    const kumora::FileRead read = read_regular_file(file, max_bytes, bytes_);
    if (!read.ok()) {
      EXPECT_EQ(bytes_, "") << file;
    }
    return read.status;
  }

  testing::TemporaryFolder folder_;
  std::string bytes_;
};

TEST_F(FileRead, ReadsARegularFileUpToItsLimit) {
  std::ofstream(path("ten")) << "0123456789";
  EXPECT_EQ(status_of(path("ten"), 10), ReadStatus::Read);
  EXPECT_EQ(bytes_, "0123456789");
  EXPECT_EQ(status_of(path("ten"), 9), ReadStatus::TooLarge);
  fs::create_symlink(path("ten"), path("link"));
  EXPECT_EQ(status_of(path("link"), 10), ReadStatus::Read);
}

TEST_F(FileRead, RefusesWhatIsNoRegularFileWithoutBlocking) {
  ASSERT_EQ(mkfifo(path("pipe").c_str(), 0600), 0);
  EXPECT_EQ(status_of(path("pipe")), ReadStatus::NotRegular);
  fs::create_symlink("/dev/zero", path("zero"));
  EXPECT_EQ(status_of(path("zero")), ReadStatus::NotRegular);
  fs::create_directory(path("folder"));
  EXPECT_EQ(status_of(path("folder")), ReadStatus::NotRegular);
}

TEST_F(FileRead, RefusesAHugeFileWithoutReadingIt) {
  { std::ofstream(path("huge")) << ""; }
  fs::resize_file(path("huge"), 500u * 1024 * 1024);  // sparse: no disk used
  EXPECT_EQ(status_of(path("huge"), SETTINGS_FILE_MAX_BYTES), ReadStatus::TooLarge);
}

TEST_F(FileRead, TellsAMissingFileFromASystemFailure) {
  EXPECT_EQ(status_of(path("none")), ReadStatus::Missing);
  EXPECT_EQ(read_failure_reason({ReadStatus::TooLarge, {}}, "棋譜ﾌｧｲﾙ"),
            "棋譜ﾌｧｲﾙとしては大きすぎます");
  EXPECT_EQ(read_failure_reason({ReadStatus::NotRegular, {}}, "x"), "通常のﾌｧｲﾙではありません");
}

}  // namespace
}  // namespace kumora
