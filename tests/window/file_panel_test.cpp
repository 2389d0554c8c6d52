// What the file list shows: record files only, sorted, not folders that
// happen to carry the record extension.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "window/file_panel.h"

namespace kumora {
namespace {

TEST(FilePanelList, ListsRecordFilesButNotFoldersOrOtherFiles) {
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("kumora-file-list-" + std::to_string(::getpid()));
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir / "folder.棋譜");
  for (const char* name : {"b game.棋譜", "a.棋譜", "notes.txt", "c.棋譜.bak"}) {
    std::ofstream(dir / name) << "x";
  }
  EXPECT_EQ(list_record_files(dir.string()), (std::vector<std::string>{"a.棋譜", "b game.棋譜"}));
  EXPECT_TRUE(list_record_files((dir / "missing").string()).empty());
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace kumora
