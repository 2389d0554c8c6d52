// Stepping through the move record: "最初", "戻" and "進".
#include "kifu/record.h"
#include "view/main_window.h"

namespace kumora {

void MainWindow::CANCEL_Click() {
  reset_game();
  sound_.play(snd_click);
}

void MainWindow::REPLAY_Click() {
  hide_file_panel();
  state.stepped = ON;
  if (kifu.kifu_pos < 1) {
    refuse("できません", "戻る");
    return;
  }
  state.select_state = 0;
  set_timer1(false);
  clear_marks();
  const KifuEntry& e = kifu.entry[kifu.kifu_pos];
  undo_entry(state, e);
  if (Board::on_board(e.from_x, e.from_y)) {
    paint_cell(e.moved, e.from_x, e.from_y);
    frame_cell(WINDOW_COLOUR, e.from_x, e.from_y);
  }
  show_clock(state.upper_side, state.upper_clock);
  show_clock(state.lower_side, state.lower_clock);
  draw_lower_hand();
  draw_upper_hand();
  paint_cell(EMPTY, e.to_x, e.to_y);
  frame_cell(WINDOW_COLOUR, e.to_x, e.to_y);
  if (e.taken != EMPTY) {
    paint_cell(e.taken, e.to_x, e.to_y);
    frame_cell(WINDOW_COLOUR, e.to_x, e.to_y);
  }
  sound_.play(snd_click);
  clear_last_move(e.moved > 0 ? state.upper_side : state.lower_side);
  kifu.kifu_pos -= 1;
  state.move_count -= 1;
  state.turn = -state.turn;
  show_move_number(state.move_count);
}

void MainWindow::AFTER_Click() {
  hide_file_panel();
  if (state.turn == NO_GAME) {
    refuse("「対局」で始めて下さい", "開始");
    return;
  }
  state.stepped = ON;
  if (kifu.kifu_pos >= kifu.kifu_len) {
    if (state.kifu_mode == ON) {
      tell("終わり", "進む");
    } else {
      refuse("できません", "進む");
    }
    return;
  }
  state.select_state = 0;
  set_timer1(false);
  clear_marks();
  kifu.kifu_pos += 1;
  state.move_count += 1;
  show_move_number(state.move_count);
  const KifuEntry& e = kifu.entry[kifu.kifu_pos];
  redo_entry(state, e);
  show_clock(state.upper_side, state.upper_clock);
  show_clock(state.lower_side, state.lower_clock);
  paint_cell(EMPTY, e.from_x, e.from_y);
  frame_cell(WINDOW_COLOUR, e.from_x, e.from_y);
  paint_cell(e.placed, e.to_x, e.to_y);
  frame_cell(WINDOW_COLOUR, e.to_x, e.to_y);
  draw_lower_hand();
  draw_upper_hand();
  report_move(e);
  sound_.play(snd_click);
  show_last_move(e.placed > 0 ? state.upper_side : state.lower_side, e.to_x, e.to_y, e.placed,
                 TEXT_COLOUR);
  state.turn = -state.turn;
  show_move_number(state.move_count);
}

}  // namespace kumora
