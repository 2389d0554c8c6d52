// Strength levels and handicap grades.
#include "settings/handicap.h"
#include "view/main_window.h"

namespace kumora {

namespace {
constexpr MenuId LEVEL_ITEMS[4] = {MenuId::COUNT, MenuId::LEVEL1, MenuId::LEVEL2, MenuId::LEVEL3};
}  // namespace

void MainWindow::choose_level(int n) {
  paint_cell(state.background, -2, 0);
  paint_cell(state.background, -1, 0);
  paint_cell(state.background, 0, 0);
  set_level(n);
}

void MainWindow::set_level(int n) {
  for (int i = 1; i <= 3; ++i) set_checked(LEVEL_ITEMS[i], false);
  if (n >= 1 && n <= 3) {
    set_checked(LEVEL_ITEMS[n], true);
    state.level = n;
  }
  if (state.vs_com == MODE_COM) show_level(state.level);
}

void MainWindow::handicap_refusal(int code) {
  static const char* const REASONS[4] = {"", "棋譜ﾓｰﾄﾞではできません", "対局途中ではできません",
                                         "反転後ではできません"};
  tell(std::string(REASONS[code]) + "\r\r局面→最初にして下さい", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定");
}

bool MainWindow::handicap_allowed() {
  hide_file_panel();
  int refusal = 0;
  if (state.kifu_mode == ON) {
    refusal = 1;
  } else if (kifu.kifu_pos > 0) {
    refusal = 2;
  } else if (state.reversed == ON) {
    refusal = 3;
  }
  if (refusal != 0) {
    sound_.play(snd_forbid);
    handicap_refusal(refusal);
    return false;
  }
  kifu.kifu_len = 0;
  return true;
}

void MainWindow::set_handicap_square(int grade, int contents) {
  const HandicapSquare square = handicap_square(grade);
  state.board(square.x, square.y) = contents;
  paint_cell(contents, square.x, square.y);
  frame_cell(WINDOW_COLOUR, square.x, square.y);
  sound_.play(snd_click);
}

void MainWindow::LBEL_UP_Click() {
  if (!handicap_allowed()) return;
  if (state.handicap_grade < HIGHEST_GRADE) {
    state.handicap_grade += 1;
    show_handicap_caption(state.handicap_grade);
    set_handicap_square(state.handicap_grade, contents_after_step_up(state.handicap_grade));
  }
  state.handicap_set = ON;
}

void MainWindow::LEBEL_DOWN_Click() {
  if (!handicap_allowed()) return;
  if (state.handicap_grade > LOWEST_GRADE) {
    state.handicap_grade -= 1;
    show_handicap_caption(state.handicap_grade);
    const int old_grade = state.handicap_grade + 1;
    set_handicap_square(old_grade, contents_after_step_down(old_grade));
  }
  state.handicap_set = ON;
}

}  // namespace kumora
