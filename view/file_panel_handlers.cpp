// Showing and hiding the record-file panel and keeping its lists in step.
#include <filesystem>

#include "view/main_window.h"

namespace kumora {

void MainWindow::show_file_panel(bool drive_visible, bool dir_visible, bool file_visible) {
  file_panel.drive_visible = drive_visible;
  file_panel.dir_visible = dir_visible;
  file_panel.file_visible = file_visible;
}

void MainWindow::show_save_fields(int mode) {
  if (mode == 0) {
    file_panel.save_fields_visible = true;
    return;
  }
  for (int i = 1; i <= 4; ++i) file_panel.text[i].clear();
  file_panel.save_fields_visible = false;
}

void MainWindow::hide_file_panel() {
  show_file_panel(false, false, false);
  show_save_fields(1);
}

void MainWindow::KIFU_READ_Click() {
  show_file_panel(true, true, true);
  show_save_fields(1);
  refresh_file_list();
}

void MainWindow::KIFU_WRITE_Click() {
  if (state.reversed == ON) {
    tell("反転後は書き込みできません", "棋譜書込");
    return;
  }
  if (state.handicap_set == ON) {
    tell("ﾊﾝﾃﾞｷｬｯﾌﾟ設定後は書き込みできません", "棋譜書込");
    return;
  }
  show_file_panel(true, true, false);
  show_save_fields(0);
}

void MainWindow::refresh_file_list() { file_panel.files = list_record_files(file_panel.file_path); }

void MainWindow::Drive1_Change(const std::string& drive) {
  std::error_code error;
  std::filesystem::directory_iterator probe(drive, error);
  if (error) {
    tell("ﾃﾞﾊﾞｲｽが準備できていません", "ｴﾗｰ");
    return;
  }
  file_panel.drive = drive;
  Dir1_Change(drive);
}

void MainWindow::Dir1_Change(const std::string& path) {
  file_panel.dir_path = path;
  file_panel.file_path = path;
  refresh_file_list();
}

}  // namespace kumora
