// Saving the record to a file and reading a file back for replay.
#include "kifu/record_file.h"
#include "view/main_window.h"

namespace kumora {

void MainWindow::Command1_Click() {
  if (file_panel.text[TEXT_FILE_NAME].empty()) {
    tell("ﾌｧｲﾙ名が入力されていません", "  ");
    return;
  }
  if (kifu.kifu_pos < 1) {
    tell("保存するデータがありません", "棋譜保存");
    return;
  }
  const RecordHeaderTexts texts{file_panel.text[TEXT_TITLE], file_panel.text[TEXT_SENTE],
                                file_panel.text[TEXT_GOTE]};
  const SaveOutcome saved =
      save_record_file(file_panel.file_path, file_panel.text[TEXT_FILE_NAME], texts,
                       state.SENTE == state.lower_side, kifu);
  if (!saved.ok) {
    // The panel stays open with what was typed, so the person can mend it.
    refuse(saved.message, "棋譜保存");
    return;
  }
  show_file_panel(false, false, false);
  show_save_fields(1);
  refresh_file_list();
  tell("棋譜を書き込みました", "  ");
}

void MainWindow::print_header_line(double x, double y, const std::string& text, int colour) {
  canvas_.print_text(x, y, text, colour, 12, font_bold_);
}

void MainWindow::File1_Click(const std::string& file_name) {
  show_file_panel(false, false, false);
  // The file is read and checked before anything of the game changes.
  RecordFileContents contents;
  const LoadOutcome loaded = load_record_file(file_panel.file_path + "/" + file_name, contents);
  if (!loaded.ok) {
    refuse(loaded.message, "棋譜");
    return;
  }
  reset_game();
  state.kifu_mode = ON;
  print_header_line(title_x(contents.title) - 3000, 6350, contents.title, HAND_COUNT_COLOUR);
  print_header_line(title_x(contents.top_name), 100, contents.top_name, TEXT_COLOUR);
  print_header_line(title_x(contents.bottom_name), 6350, contents.bottom_name, TEXT_COLOUR);
  const int n = contents.kifu.kifu_len;
  for (int i = 1; i <= n; ++i) kifu.entry[i] = contents.kifu.entry[i];
  kifu.kifu_pos = 0;
  state.move_count = 0;
  kifu.kifu_len = n;
  if (n == 0) {
    tell("棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません", "棋譜");
    return;
  }
  tell(" 読み込みました", "棋譜");
  tell("棋譜を '進 'で進めて下さい", "棋譜");
  if (kifu.entry[1].moved >= 10) {
    state.vs_com = MODE_COM;
    state.SENTE = state.upper_side;
    state.GOTE = state.lower_side;
  } else {
    state.vs_com = MODE_MAN;
    state.SENTE = state.lower_side;
    state.GOTE = state.upper_side;
  }
  state.turn = state.SENTE;
}

}  // namespace kumora
