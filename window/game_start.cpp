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
  GameState& state = game_.state;
  Drawing& d = drawing_;
  d.prepare_board_display();
  d.paint_cell(appearance_.background, -2, 0);
  d.paint_cell(appearance_.background, -1, 0);
  d.paint_cell(appearance_.background, 0, 0);
  d.clear_marks();
  clocks_.restart_turn_clock();
  game_.play_against(MODE_MAN);
  game_.set_record_mode(false);
  pending_input_.drop_selection();  // every game start leaves nothing selected
  if (state.turn == NO_GAME || state.move_count == 0) {
    seat_sente_below();
    begin_new_game_clock();
    messages_.tell(tr_text("Game", "先手の番です"), " ");
  } else if (state.turn == state.sente) {
    messages_.tell(tr_text("Game", "先手の番です"), " ");
  } else if (state.turn == state.gote()) {
    messages_.tell(tr_text("Game", "後手の番です"), " ");
  }
  game_.set_stepped(false);
  show_turn_status();
  end_if_person_cannot_move();
}

void GameStart::seat_sente_below() {
  const GameState& state = game_.state;
  game_.seat(state.sente);
  game_.give_turn_to(state.sente);
}

void GameStart::begin_new_game_clock() {
  game_.time_control = next_time_control_;
  clocks_.begin_countdown();
}

void GameStart::start_vs_com_display() {
  drawing_.prepare_board_display();
  levels_.show_level(game_.state.level);
  drawing_.clear_marks();
}

void GameStart::start_vs_com_as_sente() {
  GameState& state = game_.state;
  start_vs_com_display();
  pending_input_.drop_selection();
  game_.play_against(MODE_COM);
  game_.set_record_mode(false);
  game_.record.length = state.move_count;
  clocks_.start_turn();
  clocks_.set_clock_timer(true);
  if (state.turn == NO_GAME || state.move_count == 0) {
    seat_sente_below();
    begin_new_game_clock();
    reporter_.set_status(tr_noop("Status", "あなたの番です"));
    messages_.tell(tr_text("Game", "MANの番です"), " ");
  } else if (state.turn == state.lower_side) {
    seat_sente_below();
    messages_.tell(tr_text("Game", "MANの番です"), tr_text("Game", "対局"));
  } else if (state.turn == state.upper_side()) {
    lifecycle_.com_ban();
    return;
  } else {
    return;
  }
  game_.set_stepped(false);
  end_if_person_cannot_move();
}

void GameStart::start_vs_com_as_gote() {
  GameState& state = game_.state;
  start_vs_com_display();
  clocks_.set_clock_timer(true);
  pending_input_.drop_selection();
  game_.play_against(MODE_COM);
  game_.set_record_mode(false);
  game_.record.length = state.move_count;
  if (state.turn == NO_GAME || state.move_count == 0) {
    game_.seat(state.gote());
    game_.give_turn_to(state.sente);
    game_.time_control = next_time_control_;  // the computer's turn starts the clocks
    lifecycle_.com_ban();
  } else if (state.turn == state.lower_side) {
    messages_.tell(tr_text("Game", "MANの番です"), tr_text("Game", "対局"));
    game_.set_stepped(false);
    end_if_person_cannot_move();
  } else if (state.turn == state.upper_side()) {
    lifecycle_.com_ban();
  }
}

void GameStart::turn_board() {
  GameState& state = game_.state;
  if (state.record_mode) {
    messages_.refuse(tr_text("Game", "棋譜ﾓｰﾄﾞではできません"), tr_text("Game", "反転"));
    return;
  }
  pending_input_.drop_selection();
  game_.turn_round();  // the same army stays to move: turn is negated too
  screen_.redraw_all();
  drawing_.show_move_number(state.move_count);
  if (state.handicap_set) {
    game_.turn_handicap_round();
    levels_.show_handicap_caption(state.handicap_grade);
  }
  messages_.play_click();
  keep_moves_before_turn(game_);
  game_.record.shown = 0;
  game_.record.length = 0;
  // The kept game says it was left turned (or back).
  record_listener_.move_recorded();
  // The army to move is now the other sign's: the status line follows it.
  if (state.turn != NO_GAME) show_turn_status();
}

void GameStart::show_turn_status() {
  const GameState& state = game_.state;
  reporter_.set_status(state.turn == state.gote() ? tr_noop("Status", "後手の番です")
                                                  : tr_noop("Status", "先手の番です"));
}

bool GameStart::end_if_person_cannot_move() {
  const GameState& state = game_.state;
  if (state.turn == NO_GAME || state.record_mode || side_can_move(state, state.turn)) {
    return false;
  }
  if (state.vs_com == MODE_COM) {
    if (state.turn == state.upper_side()) return false;
    messages_.tell(tr_text("Game", "移動できる駒が無くなりました"), tr_text("Game", "警告"));
    game_over_prompt(Winner::COMPUTER);
  } else if (state.turn == state.sente) {
    messages_.tell(tr_text("Game", "先手の移動できる駒が無くなりました"), tr_text("Game", "警告"));
    game_over_prompt(Winner::GOTE);
  } else {
    messages_.tell(tr_text("Game", "後手の移動できる駒が無くなりました"), tr_text("Game", "警告"));
    game_over_prompt(Winner::SENTE);
  }
  return true;
}

void GameStart::announce_winner(Winner winner) {
  static const char* const ANNOUNCEMENTS[] = {
      tr_noop("Game", "あなたの勝ちです"), tr_noop("Game", "ｺﾝﾋﾟｭｰﾀの勝ちです"),
      tr_noop("Game", "先手の勝ちです"), tr_noop("Game", "後手の勝ちです")};
  messages_.tell(tr_text("Game", ANNOUNCEMENTS[static_cast<int>(winner)]), tr_text("Game", "終了"));
}

void GameStart::game_over_prompt(Winner winner) {
  announce_winner(winner);
  if (messages_.ask_yes_no(tr_text("Game", "続けますか？"), tr_text("Game", "再ゲーム"))) {
    lifecycle_.reset_game();
  } else {
    program_exit_.end_program();
  }
}

}  // namespace kumora
