// The file panel's lists: real names to open, readable names to show.
#include "window/file_panel.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/code_page.h"
#include "tests/temporary_folder.h"

namespace kumora {
namespace {

namespace fs = std::filesystem;

std::string cp932(const std::string& utf8) {
  std::string bytes;
  EXPECT_TRUE(utf8_to_cp932(utf8, bytes));
  return bytes;
}

TEST(ListRecordFiles, KeepsNamesThatAreNotUtf8AndShowsThemReadably) {
  const testing::TemporaryFolder folder;
  const std::string& pattern = folder.path();
  const std::string half_cp932 = "a" + cp932("日") + "b.棋譜";  // copied from another system
  const std::string all_cp932 = cp932("対局.棋譜");
  for (const std::string& name :
       {half_cp932, all_cp932, std::string("普通.棋譜"), std::string("notes.txt")}) {
    std::ofstream(pattern + "/" + name) << "t\r\n";
  }
  fs::create_directory(pattern + "/folder.棋譜");
  const std::vector<std::string> names = list_record_files(pattern);
  ASSERT_EQ(names.size(), 3u);
  std::vector<std::string> shown;
  for (const std::string& name : names) {
    shown.push_back(file_name_text(name));
    EXPECT_TRUE(std::ifstream(pattern + "/" + name).good()) << shown.back();
  }
  std::sort(shown.begin(), shown.end());
  EXPECT_EQ(shown, (std::vector<std::string>{"a日b.棋譜", "対局.棋譜", "普通.棋譜"}));
}

TEST(UserMountPoints, UndoesTheEscapesOfTheMountsTable) {
  const std::string mounts =
      "/dev/sda1 / ext4 rw 0 0\n"
      "proc /proc proc rw 0 0\n"
      "/dev/sdb1 /media/my\\040disk vfat rw 0 0\n"
      "/dev/sdc1 /mnt/a\\011b\\012c\\134d ext4 rw 0 0\n"
      "tmpfs /run tmpfs rw 0 0\n"
      "/dev/sdd1 /mnt/odd\\04 ext4 rw 0 0\n";
  EXPECT_EQ(user_mount_points(mounts),
            (std::vector<std::string>{"/media/my disk", "/mnt/a\tb\nc\\d", "/mnt/odd\\04"}));
}

}  // namespace
}  // namespace kumora
