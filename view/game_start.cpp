// Starting a game, flipping the board and the end of a game.
#include "core/reverse.h"
#include "view/main_window.h"

namespace kumora {

void MainWindow::TAIKYOKU_Click() { hide_file_panel(); }
void MainWindow::STOP_Click() { hide_file_panel(); }
void MainWindow::OPTION_Click() { hide_file_panel(); }

void MainWindow::START_Click() {
  prepare_board_display();
  paint_cell(state.background, -2, 0);
  paint_cell(state.background, -1, 0);
  paint_cell(state.background, 0, 0);
  clear_marks();
  restart_turn_clock();
  state.vs_com = MODE_MAN;
  state.kifu_mode = OFF;
  state.select_state = 0;  // every game start leaves nothing selected
  if (state.turn == NO_GAME || state.move_count == 0) {
    state.lower_side = state.SENTE;
    state.upper_side = state.GOTE;
    state.turn = state.SENTE;
    tell("先手の番です", " ");
  } else if (state.turn == state.SENTE) {
    tell("先手の番です", " ");
  } else if (state.turn == state.GOTE) {
    tell("後手の番です", " ");
  }
  state.stepped = OFF;
}

void MainWindow::start_vs_com_display() {
  prepare_board_display();
  show_level(state.level);
  clear_marks();
}

void MainWindow::SENTE_Click() {
  start_vs_com_display();
  state.select_state = 0;
  state.vs_com = MODE_COM;
  state.kifu_mode = OFF;
  kifu.kifu_len = state.move_count;
  turn_start_time = host_.now();
  set_timer1(true);
  if (state.turn == NO_GAME || state.move_count == 0) {
    state.lower_side = state.SENTE;
    state.upper_side = state.GOTE;
    state.turn = state.SENTE;
    tell("MANの番です", " ");
  } else if (state.turn == state.lower_side) {
    state.lower_side = state.SENTE;
    state.upper_side = state.GOTE;
    state.turn = state.SENTE;
    tell("MANの番です", "対局");
  } else if (state.turn == state.upper_side) {
    com_ban();
    return;
  } else {
    return;
  }
  state.stepped = OFF;
}

void MainWindow::GOTE_Click() {
  start_vs_com_display();
  set_timer1(true);
  state.select_state = 0;
  state.vs_com = MODE_COM;
  state.kifu_mode = OFF;
  kifu.kifu_len = state.move_count;
  if (state.turn == NO_GAME || state.move_count == 0) {
    state.lower_side = state.GOTE;
    state.upper_side = state.SENTE;
    state.turn = state.SENTE;
    com_ban();
  } else if (state.turn == state.lower_side) {
    tell("MANの番です", "対局");
    state.stepped = OFF;
  } else if (state.turn == state.upper_side) {
    com_ban();
  }
}

void MainWindow::REVERSE_Click() {
  if (state.kifu_mode == ON) {
    refuse("棋譜ﾓｰﾄﾞではできません", "反転");
    return;
  }
  state.reversed = ON;
  state.select_state = 0;
  reverse_position(state);  // the same army stays to move: turn is negated too
  redraw_all();
  show_move_number(state.move_count);
  if (state.handicap_set == ON) {
    state.handicap_grade = -state.handicap_grade;
    show_handicap_caption(state.handicap_grade);
  }
  sound_.play(snd_click);
  kifu.kifu_pos = 0;
  kifu.kifu_len = 0;
}

void MainWindow::game_over_prompt(const std::string& name) {
  tell(name + "の勝ちです", "終了");
  if (ask_yes_no("続けますか？", "再ゲーム")) {
    reset_game();
  } else {
    end_program();
  }
}

}  // namespace kumora
