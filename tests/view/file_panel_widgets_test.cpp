// The record-file panel's lists: the folder list reads as the path down to
// the current folder followed by the folders inside it, the file list shows
// the record files while reading, and a click opens the file by its real name.
#include <gtest/gtest.h>

#include <QListWidget>
#include <QStringList>
#include <QWidget>
#include <filesystem>
#include <fstream>

#include "tests/temporary_folder.h"
#include "tests/view/qt_app.h"
#include "view/file_panel_widgets.h"

namespace kumora {
namespace {

QStringList texts_of(const QListWidget& list) {
  QStringList texts;
  for (int i = 0; i < list.count(); ++i) texts << list.item(i)->text();
  return texts;
}

class FilePanelWidgetsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ensure_qt_app();
    const QList<QListWidget*> lists = page.findChildren<QListWidget*>();
    ASSERT_EQ(lists.size(), 2);
    folders = lists[0];
    files = lists[1];
  }
  QWidget page;
  FilePanelWidgets widgets{&page};
  QListWidget* folders = nullptr;
  QListWidget* files = nullptr;
  testing::TemporaryFolder folder;
};

TEST_F(FilePanelWidgetsTest, FoldersShowThePathThenTheVisibleFoldersInside) {
  namespace fs = std::filesystem;
  for (const char* name : {"練習", ".hidden", "archive"}) fs::create_directory(folder.file(name));
  std::ofstream(folder.file("game.棋譜")) << "";
  FilePanelState state;
  state.dir_visible = true;
  state.dir_path = folder.path();
  widgets.sync(state);
  const QStringList shown = texts_of(*folders);
  ASSERT_GE(shown.size(), 4);
  EXPECT_EQ(shown.front(), "/");
  EXPECT_EQ(shown.mid(shown.size() - 3),
            QStringList({QString::fromStdString(fs::path(folder.path()).filename().string()),
                         "archive", "練習"}));
  EXPECT_FALSE(files->isVisibleTo(&page));
}

TEST_F(FilePanelWidgetsTest, TheFileListShowsWhileReadingAndAClickNamesTheFile) {
  FilePanelState state;
  state.dir_visible = state.file_visible = true;
  state.dir_path = folder.path();
  state.files = {"b.棋譜", "a.棋譜"};
  std::string clicked;
  widgets.on_file_clicked = [&](const std::string& name) { clicked = name; };
  widgets.sync(state);
  EXPECT_TRUE(files->isVisibleTo(&page));
  EXPECT_EQ(texts_of(*files), QStringList({"b.棋譜", "a.棋譜"}));
  emit files->itemClicked(files->item(1));
  EXPECT_EQ(clicked, "a.棋譜");
  state.file_visible = false;
  widgets.sync(state);
  EXPECT_FALSE(files->isVisibleTo(&page));
}

}  // namespace
}  // namespace kumora
