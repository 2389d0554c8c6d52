#include "window/game_start.h"

#include "core/translation.h"
#include "window/clocks.h"
#include "window/drawing.h"
#include "window/levels_handicap.h"
#include "window/messages.h"
#include "window/side_moves.h"
#include "window/whole_game.h"

namespace kumora {

void GameStart::start_two_person_game() {
  GameState& state = s_.game.state;
  Drawing& d = s_.drawing;
  d.prepare_board_display();
  d.paint_cell(s_.appearance.background, -2, 0);
  d.paint_cell(s_.appearance.background, -1, 0);
  d.paint_cell(s_.appearance.background, 0, 0);
  d.clear_marks();
  s_.clocks.restart_turn_clock();
  s_.game.play_against(MODE_MAN);
  s_.game.set_record_mode(false);
  s_.flow.drop_selection();  // every game start leaves nothing selected
  if (state.turn == NO_GAME || state.move_count == 0) {
    seat_sente_below();
    begin_new_game_clock();
    s_.messages.tell(tr_text("Game", "先手の番です"), " ");
  } else if (state.turn == state.SENTE) {
    s_.messages.tell(tr_text("Game", "先手の番です"), " ");
  } else if (state.turn == state.GOTE) {
    s_.messages.tell(tr_text("Game", "後手の番です"), " ");
  }
  s_.game.set_stepped(false);
  show_turn_status();
  end_if_person_cannot_move();
}

void GameStart::seat_sente_below() {
  const GameState& state = s_.game.state;
  s_.game.seat(state.SENTE);
  s_.game.give_turn_to(state.SENTE);
}

void GameStart::begin_new_game_clock() {
  s_.game.time_control = next_time_control_;
  s_.clocks.begin_countdown();
}

void GameStart::start_vs_com_display() {
  s_.drawing.prepare_board_display();
  levels_.show_level(s_.game.state.level);
  s_.drawing.clear_marks();
}

void GameStart::start_vs_com_as_sente() {
  GameState& state = s_.game.state;
  start_vs_com_display();
  s_.flow.drop_selection();
  s_.game.play_against(MODE_COM);
  s_.game.set_record_mode(false);
  s_.game.kifu.kifu_len = state.move_count;
  s_.clocks.start_turn();
  s_.clocks.set_clock_timer(true);
  if (state.turn == NO_GAME || state.move_count == 0) {
    seat_sente_below();
    begin_new_game_clock();
    s_.reporter.set_status(tr_noop("Status", "あなたの番です"));
    s_.messages.tell(tr_text("Game", "MANの番です"), " ");
  } else if (state.turn == state.lower_side) {
    seat_sente_below();
    s_.messages.tell(tr_text("Game", "MANの番です"), tr_text("Game", "対局"));
  } else if (state.turn == state.upper_side) {
    s_.flow.com_ban();
    return;
  } else {
    return;
  }
  s_.game.set_stepped(false);
  end_if_person_cannot_move();
}

void GameStart::start_vs_com_as_gote() {
  GameState& state = s_.game.state;
  start_vs_com_display();
  s_.clocks.set_clock_timer(true);
  s_.flow.drop_selection();
  s_.game.play_against(MODE_COM);
  s_.game.set_record_mode(false);
  s_.game.kifu.kifu_len = state.move_count;
  if (state.turn == NO_GAME || state.move_count == 0) {
    s_.game.seat(state.GOTE);
    s_.game.give_turn_to(state.SENTE);
    s_.game.time_control = next_time_control_;  // the computer's turn starts the clocks
    s_.flow.com_ban();
  } else if (state.turn == state.lower_side) {
    s_.messages.tell(tr_text("Game", "MANの番です"), tr_text("Game", "対局"));
    s_.game.set_stepped(false);
    end_if_person_cannot_move();
  } else if (state.turn == state.upper_side) {
    s_.flow.com_ban();
  }
}

void GameStart::turn_board() {
  GameState& state = s_.game.state;
  if (state.kifu_mode) {
    s_.messages.refuse(tr_text("Game", "棋譜ﾓｰﾄﾞではできません"), tr_text("Game", "反転"));
    return;
  }
  s_.flow.drop_selection();
  s_.game.turn_round();  // the same army stays to move: turn is negated too
  s_.flow.redraw_all();
  s_.drawing.show_move_number(state.move_count);
  if (state.handicap_set) {
    s_.game.turn_handicap_round();
    levels_.show_handicap_caption(state.handicap_grade);
  }
  s_.messages.play_click();
  keep_moves_before_turn(s_.game);
  s_.game.kifu.kifu_pos = 0;
  s_.game.kifu.kifu_len = 0;
  // The kept game says it was left turned (or back).
  s_.flow.move_recorded();
  // The army to move is now the other sign's: the status line follows it.
  if (state.turn != NO_GAME) show_turn_status();
}

void GameStart::show_turn_status() {
  const GameState& state = s_.game.state;
  s_.reporter.set_status(state.turn == state.GOTE ? tr_noop("Status", "後手の番です")
                                                  : tr_noop("Status", "先手の番です"));
}

bool GameStart::end_if_person_cannot_move() {
  const GameState& state = s_.game.state;
  if (state.turn == NO_GAME || state.kifu_mode || side_can_move(state, state.turn)) {
    return false;
  }
  if (state.vs_com == MODE_COM) {
    if (state.turn == state.upper_side) return false;
    s_.messages.tell(tr_text("Game", "移動できる駒が無くなりました"), tr_text("Game", "警告"));
    game_over_prompt(Winner::COMPUTER);
  } else if (state.turn == state.SENTE) {
    s_.messages.tell(tr_text("Game", "先手の移動できる駒が無くなりました"),
                     tr_text("Game", "警告"));
    game_over_prompt(Winner::GOTE);
  } else {
    s_.messages.tell(tr_text("Game", "後手の移動できる駒が無くなりました"),
                     tr_text("Game", "警告"));
    game_over_prompt(Winner::SENTE);
  }
  return true;
}

void GameStart::announce_winner(Winner winner) {
  static const char* const ANNOUNCEMENTS[] = {
      tr_noop("Game", "あなたの勝ちです"), tr_noop("Game", "ｺﾝﾋﾟｭｰﾀの勝ちです"),
      tr_noop("Game", "先手の勝ちです"), tr_noop("Game", "後手の勝ちです")};
  s_.messages.tell(tr_text("Game", ANNOUNCEMENTS[static_cast<int>(winner)]),
                   tr_text("Game", "終了"));
}

void GameStart::game_over_prompt(Winner winner) {
  announce_winner(winner);
  if (s_.messages.ask_yes_no(tr_text("Game", "続けますか？"), tr_text("Game", "再ゲーム"))) {
    s_.flow.reset_game();
  } else {
    s_.flow.end_program();
  }
}

}  // namespace kumora
