#include "window/record_stepping.h"

#include "core/translation.h"
#include "kifu/record.h"
#include "window/clocks.h"
#include "window/drawing.h"
#include "window/messages.h"

namespace kumora {

void RecordStepping::start_over() {
  lifecycle_.reset_game();
  messages_.play_click();
}

void RecordStepping::step_back() {
  pending_input_.hide_file_panel();
  GameState& state = game_.state;
  MoveRecord& record = game_.record;
  Drawing& d = drawing_;
  game_.set_stepped(true);
  if (record.shown < 1) {
    messages_.refuse(tr_text("Game", "できません"), tr_text("Game", "戻る"));
    return;
  }
  pending_input_.drop_selection();
  clocks_.set_clock_timer(false);
  d.clear_marks();
  const RecordEntry& e = record.entry[record.shown];
  game_.undo(e);
  if (Board::on_board(e.from_x, e.from_y)) {
    d.paint_cell(e.moved, e.from_x, e.from_y);
    d.frame_cell(WINDOW_COLOUR, e.from_x, e.from_y);
  }
  clocks_.show_both();
  d.draw_lower_hand();
  d.draw_upper_hand();
  d.paint_cell(EMPTY, e.to_x, e.to_y);
  d.frame_cell(WINDOW_COLOUR, e.to_x, e.to_y);
  if (e.taken != EMPTY) {
    d.paint_cell(e.taken, e.to_x, e.to_y);
    d.frame_cell(WINDOW_COLOUR, e.to_x, e.to_y);
  }
  messages_.play_click();
  d.clear_last_move(e.moved > 0 ? state.upper_side() : state.lower_side);
  record.shown -= 1;
  game_.uncount_move();
  game_.pass_turn();
  d.show_move_number(state.move_count);
  stepped_status();
}

void RecordStepping::step_forward() {
  pending_input_.hide_file_panel();
  GameState& state = game_.state;
  MoveRecord& record = game_.record;
  Drawing& d = drawing_;
  if (state.turn == NO_GAME) {
    messages_.refuse(tr_text("Game", "「対局」で始めて下さい"), tr_text("Game", "開始"));
    return;
  }
  game_.set_stepped(true);
  if (record.shown >= record.length) {
    if (state.record_mode) {
      messages_.tell(tr_text("Game", "終わり"), tr_text("Game", "進む"));
    } else {
      messages_.refuse(tr_text("Game", "できません"), tr_text("Game", "進む"));
    }
    return;
  }
  pending_input_.drop_selection();
  clocks_.set_clock_timer(false);
  d.clear_marks();
  record.shown += 1;
  game_.count_move();
  d.show_move_number(state.move_count);
  const RecordEntry& e = record.entry[record.shown];
  game_.redo(e);
  clocks_.show_both();
  d.paint_cell(EMPTY, e.from_x, e.from_y);
  d.frame_cell(WINDOW_COLOUR, e.from_x, e.from_y);
  d.paint_cell(e.placed, e.to_x, e.to_y);
  d.frame_cell(WINDOW_COLOUR, e.to_x, e.to_y);
  d.draw_lower_hand();
  d.draw_upper_hand();
  reporter_.move_made(e.from_x, e.from_y, e.to_x, e.to_y, e.moved, e.placed, e.taken);
  messages_.play_click();
  d.show_last_move(e.placed > 0 ? state.upper_side() : state.lower_side, e.to_x, e.to_y, e.placed,
                   TEXT_COLOUR);
  game_.pass_turn();
  d.show_move_number(state.move_count);
  stepped_status();
}

void RecordStepping::stepped_status() {
  reporter_.set_status(game_.state.record_mode
                           ? tr_noop("Status", "棋譜は「進」と「戻」で見ます")
                           : tr_noop("Status", "盤をクリックすると、この局面から続けます"));
}

void RecordStepping::step_to(int position) {
  const MoveRecord& record = game_.record;
  while (record.shown > position) {
    const int before = record.shown;
    step_back();
    if (record.shown == before) return;
  }
  while (record.shown < position) {
    const int before = record.shown;
    step_forward();
    if (record.shown == before) return;
  }
}

int RecordStepping::moves_to_take_back() const {
  const GameState& state = game_.state;
  const MoveRecord& record = game_.record;
  if (state.turn == NO_GAME || state.record_mode || record.shown < 1) return 0;
  if (state.vs_com != MODE_COM) return 1;
  // Back to just before the person's (the lower player's) latest move.
  for (int i = record.shown; i >= 1; --i) {
    if (record.entry[i].moved < 0) return record.shown - i + 1;
  }
  return 0;
}

void RecordStepping::take_back(int moves) {
  for (int i = 0; i < moves; ++i) step_back();
  game_.record.length = game_.record.shown;
  game_.set_stepped(false);
  clocks_.restart_turn_clock();
  record_listener_.move_recorded();
}

void RecordStepping::take_back_last_move() {
  pending_input_.hide_file_panel();
  const int moves = moves_to_take_back();
  if (moves == 0) {
    reporter_.set_status(tr_noop("Status", "待ったできる手がありません"));
    messages_.refuse(tr_text("Game", "待ったできる手がありません"), tr_text("Game", "待った"));
    return;
  }
  take_back(moves);
  const GameState& state = game_.state;
  reporter_.set_status(
      state.vs_com == MODE_COM ? tr_noop("Status", "待ったしました。あなたの番です")
      : state.turn == state.sente ? tr_noop("Status", "待ったしました。先手の番です")
                                  : tr_noop("Status", "待ったしました。後手の番です"));
}

}  // namespace kumora
