#include "window/record_stepping.h"

#include "kifu/record.h"
#include "window/clocks.h"
#include "window/drawing.h"
#include "window/messages.h"

namespace kumora {

void RecordStepping::CANCEL_Click() {
  s_.flow.reset_game();
  s_.messages.play_click();
}

void RecordStepping::REPLAY_Click() {
  s_.flow.hide_file_panel();
  GameState& state = s_.game.state;
  Kifu& kifu = s_.game.kifu;
  Drawing& d = s_.drawing;
  state.stepped = ON;
  if (kifu.kifu_pos < 1) {
    s_.messages.refuse("できません", "戻る");
    return;
  }
  state.select_state = 0;
  s_.clocks.set_timer1(false);
  d.clear_marks();
  const KifuEntry& e = kifu.entry[kifu.kifu_pos];
  undo_entry(state, e);
  if (Board::on_board(e.from_x, e.from_y)) {
    d.paint_cell(e.moved, e.from_x, e.from_y);
    d.frame_cell(WINDOW_COLOUR, e.from_x, e.from_y);
  }
  s_.clocks.show_both();
  d.draw_lower_hand();
  d.draw_upper_hand();
  d.paint_cell(EMPTY, e.to_x, e.to_y);
  d.frame_cell(WINDOW_COLOUR, e.to_x, e.to_y);
  if (e.taken != EMPTY) {
    d.paint_cell(e.taken, e.to_x, e.to_y);
    d.frame_cell(WINDOW_COLOUR, e.to_x, e.to_y);
  }
  s_.messages.play_click();
  d.clear_last_move(e.moved > 0 ? state.upper_side : state.lower_side);
  kifu.kifu_pos -= 1;
  state.move_count -= 1;
  state.turn = -state.turn;
  d.show_move_number(state.move_count);
}

void RecordStepping::AFTER_Click() {
  s_.flow.hide_file_panel();
  GameState& state = s_.game.state;
  Kifu& kifu = s_.game.kifu;
  Drawing& d = s_.drawing;
  if (state.turn == NO_GAME) {
    s_.messages.refuse("「対局」で始めて下さい", "開始");
    return;
  }
  state.stepped = ON;
  if (kifu.kifu_pos >= kifu.kifu_len) {
    if (state.kifu_mode == ON) {
      s_.messages.tell("終わり", "進む");
    } else {
      s_.messages.refuse("できません", "進む");
    }
    return;
  }
  state.select_state = 0;
  s_.clocks.set_timer1(false);
  d.clear_marks();
  kifu.kifu_pos += 1;
  state.move_count += 1;
  d.show_move_number(state.move_count);
  const KifuEntry& e = kifu.entry[kifu.kifu_pos];
  redo_entry(state, e);
  s_.clocks.show_both();
  d.paint_cell(EMPTY, e.from_x, e.from_y);
  d.frame_cell(WINDOW_COLOUR, e.from_x, e.from_y);
  d.paint_cell(e.placed, e.to_x, e.to_y);
  d.frame_cell(WINDOW_COLOUR, e.to_x, e.to_y);
  d.draw_lower_hand();
  d.draw_upper_hand();
  s_.reporter.move_made(e.from_x, e.from_y, e.to_x, e.to_y, e.moved, e.placed, e.taken);
  s_.messages.play_click();
  d.show_last_move(e.placed > 0 ? state.upper_side : state.lower_side, e.to_x, e.to_y, e.placed,
                   TEXT_COLOUR);
  state.turn = -state.turn;
  d.show_move_number(state.move_count);
}

}  // namespace kumora
