// Reading files the program did not write: only regular files, never too
// large, never blocking.
#include "core/file_read.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "core/text_file.h"
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

// A text file's lines come back in UTF-8, and it tells whether every line,
// the last one too, ended with CR LF as the program writes them.
TEST_F(FileRead, TextLinesAreDecodedAndTheirEndsTold) {
  auto read = [&](const std::string& bytes) {
    std::ofstream(path("text"), std::ios::binary) << bytes;
    TextFileLines text;
    EXPECT_TRUE(read_text_file(path("text"), text));
    return text;
  };
  const TextFileLines whole = read("\x8A\xFB\x95\x88\r\nb\r\n");
  EXPECT_EQ(whole.lines, (std::vector<std::string>{"棋譜", "b"}));
  EXPECT_TRUE(whole.every_line_crlf);
  EXPECT_FALSE(read("a\r\nb").every_line_crlf);
  EXPECT_FALSE(read("a\r\nb\r").every_line_crlf);
  EXPECT_FALSE(read("a\nb\r\n").every_line_crlf);
}

}  // namespace
}  // namespace kumora
