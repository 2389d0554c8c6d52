#include "window/game.h"

#include "kifu/record.h"
#include "rules/reverse.h"

namespace kumora {

void Game::open_afresh() {
  state = GameState{};
  seat(state.gote());
  state.record_mode = false;
}

void Game::clear_course() {
  state.handicap_grade = 0;
  state.handicap_set = false;
  state.vs_com = MODE_MAN;
  state.winner = NO_GAME;
  state.turn = NO_GAME;
  state.move_count = 0;
  state.reversed = false;
  state.stepped = false;
  state.record_mode = false;
}

void Game::place_initial_position() {
  set_initial_position(state);
  recompute_hand_totals(state);
}

MoveRedraw Game::play(int from_x, int from_y, int to_x, int to_y, int placed) {
  return make_move(state, from_x, from_y, to_x, to_y, placed);
}

void Game::redo(const RecordEntry& entry) { redo_entry(state, entry); }

void Game::undo(const RecordEntry& entry) { undo_entry(state, entry); }

void Game::turn_round() {
  state.reversed = true;
  reverse_position(state);
}

void Game::seat(Side lower) { state.lower_side = lower; }

void Game::name_first_mover(Side side) { state.sente = side; }

void Game::give_turn_to(Side side) { state.turn = side; }

void Game::pass_turn() { state.turn = opposite(state.turn); }

void Game::set_up_handicap(int grade, const Board& start) {
  state.handicap_set = true;
  state.handicap_grade = grade;
  state.board = start;
}

}  // namespace kumora
