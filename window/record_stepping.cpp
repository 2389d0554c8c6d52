#include "window/record_stepping.h"

#include "core/translation.h"
#include "kifu/record.h"
#include "window/clocks.h"
#include "window/drawing.h"
#include "window/messages.h"

namespace kumora {

void RecordStepping::start_over() {
  s_.flow.reset_game();
  s_.messages.play_click();
}

void RecordStepping::step_back() {
  s_.flow.hide_file_panel();
  GameState& state = s_.game.state;
  Kifu& kifu = s_.game.kifu;
  Drawing& d = s_.drawing;
  s_.game.set_stepped(true);
  if (kifu.kifu_pos < 1) {
    s_.messages.refuse(tr_text("Game", "できません"), tr_text("Game", "戻る"));
    return;
  }
  s_.flow.drop_selection();
  s_.clocks.set_clock_timer(false);
  d.clear_marks();
  const KifuEntry& e = kifu.entry[kifu.kifu_pos];
  s_.game.undo(e);
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
  s_.game.uncount_move();
  s_.game.pass_turn();
  d.show_move_number(state.move_count);
  stepped_status();
}

void RecordStepping::step_forward() {
  s_.flow.hide_file_panel();
  GameState& state = s_.game.state;
  Kifu& kifu = s_.game.kifu;
  Drawing& d = s_.drawing;
  if (state.turn == NO_GAME) {
    s_.messages.refuse(tr_text("Game", "「対局」で始めて下さい"), tr_text("Game", "開始"));
    return;
  }
  s_.game.set_stepped(true);
  if (kifu.kifu_pos >= kifu.kifu_len) {
    if (state.kifu_mode) {
      s_.messages.tell(tr_text("Game", "終わり"), tr_text("Game", "進む"));
    } else {
      s_.messages.refuse(tr_text("Game", "できません"), tr_text("Game", "進む"));
    }
    return;
  }
  s_.flow.drop_selection();
  s_.clocks.set_clock_timer(false);
  d.clear_marks();
  kifu.kifu_pos += 1;
  s_.game.count_move();
  d.show_move_number(state.move_count);
  const KifuEntry& e = kifu.entry[kifu.kifu_pos];
  s_.game.redo(e);
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
  s_.game.pass_turn();
  d.show_move_number(state.move_count);
  stepped_status();
}

void RecordStepping::stepped_status() {
  s_.reporter.set_status(s_.game.state.kifu_mode
                             ? tr_noop("Status", "棋譜は「進」と「戻」で見ます")
                             : tr_noop("Status", "盤をクリックすると、この局面から続けます"));
}

void RecordStepping::step_to(int position) {
  const Kifu& kifu = s_.game.kifu;
  while (kifu.kifu_pos > position) {
    const int before = kifu.kifu_pos;
    step_back();
    if (kifu.kifu_pos == before) return;
  }
  while (kifu.kifu_pos < position) {
    const int before = kifu.kifu_pos;
    step_forward();
    if (kifu.kifu_pos == before) return;
  }
}

int RecordStepping::moves_to_take_back() const {
  const GameState& state = s_.game.state;
  const Kifu& kifu = s_.game.kifu;
  if (state.turn == NO_GAME || state.kifu_mode || kifu.kifu_pos < 1) return 0;
  if (state.vs_com != MODE_COM) return 1;
  // Back to just before the person's (the lower player's) latest move.
  for (int i = kifu.kifu_pos; i >= 1; --i) {
    if (kifu.entry[i].moved < 0) return kifu.kifu_pos - i + 1;
  }
  return 0;
}

void RecordStepping::take_back(int moves) {
  for (int i = 0; i < moves; ++i) step_back();
  s_.game.kifu.kifu_len = s_.game.kifu.kifu_pos;
  s_.game.set_stepped(false);
  s_.clocks.restart_turn_clock();
  s_.flow.move_recorded();
}

void RecordStepping::take_back_last_move() {
  s_.flow.hide_file_panel();
  const int moves = moves_to_take_back();
  if (moves == 0) {
    s_.reporter.set_status(tr_noop("Status", "待ったできる手がありません"));
    s_.messages.refuse(tr_text("Game", "待ったできる手がありません"), tr_text("Game", "待った"));
    return;
  }
  take_back(moves);
  const GameState& state = s_.game.state;
  s_.reporter.set_status(
      state.vs_com == MODE_COM ? tr_noop("Status", "待ったしました。あなたの番です")
      : state.turn == state.SENTE ? tr_noop("Status", "待ったしました。先手の番です")
                                  : tr_noop("Status", "待ったしました。後手の番です"));
}

}  // namespace kumora
