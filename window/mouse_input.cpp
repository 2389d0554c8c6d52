#include "window/mouse_input.h"

#include "analysis/analyze_board.h"
#include "core/translation.h"
#include "kifu/record.h"
#include "rules/drops_promotion.h"
#include "rules/make_move.h"
#include "rules/movement.h"
#include "window/clocks.h"
#include "window/drawing.h"
#include "window/messages.h"
#include "window/move_drawing.h"
#include "window/side_moves.h"
#include "window/whole_game.h"

namespace kumora {

namespace {
bool is_piece(int code) { return code >= 10 || code <= -10; }
}  // namespace

void MouseInput::on_mouse_down(int button, int shift, double x, double y) {
  (void)shift;
  // A hint's numbers stay until the next press.
  drawing_.clear_numbers();
  handle_press(button, x, y);
  number_chain_links();
}

void MouseInput::number_chain_links() {
  if (!selection_.piece_picked || chain_links_.empty()) return;
  drawing_.show_numbers({chain_links_, false});
}

void MouseInput::handle_press(int button, double x, double y) {
  GameState& state = game_.state;
  pending_input_.hide_file_panel();
  if (state.record_mode) {
    reporter_.set_status(tr_noop("Status", "棋譜は「進」と「戻」で見ます"));
    if (!messages_.ask_yes_no(tr_text("Game", "棋譜を '進 'で進めて下さい"),
                              tr_text("Game", "棋譜"))) {
      messages_.play_forbid();
      lifecycle_.reset_game();
    }
    return;
  }
  const int cell_x = cell_column(x);
  const int cell_y = cell_row(y);
  if (state.turn == NO_GAME) {
    reporter_.set_status(tr_noop("Status", "「対局」で対局を始めて下さい"));
    messages_.refuse(tr_text("Game", "「対局」で始めて下さい"), tr_text("Game", "開始"));
    return;
  }
  if (resume_stepped_game() && lifecycle_.end_if_person_cannot_move()) return;
  if (Board::on_board(cell_x, cell_y)) {
    click_board_square(button, cell_x, cell_y);
  } else {
    click_off_board(cell_x, cell_y);
  }
}

bool MouseInput::resume_stepped_game() {
  GameState& state = game_.state;
  if (state.vs_com == MODE_MAN) {
    if (!state.stepped) return false;
    game_.set_stepped(false);
    clocks_.restart_turn_clock();
    if (state.turn == state.sente)
      messages_.tell(tr_text("Game", "先手の番です"), tr_text("Game", "対局"));
    if (state.turn == state.gote())
      messages_.tell(tr_text("Game", "後手の番です"), tr_text("Game", "対局"));
    return true;
  }
  if (state.turn == state.upper_side()) {
    game_.set_stepped(false);
    messages_.tell(tr_text("Game", "OKですか？"), tr_text("Game", "再開(COM)"));
    lifecycle_.com_ban();
    return true;
  }
  if (state.turn == state.lower_side && state.stepped) {
    game_.set_stepped(false);
    clocks_.restart_turn_clock();
    messages_.tell(tr_text("Game", "MANの番です"), tr_text("Game", "対局"));
    return true;
  }
  return false;
}

const char* MouseInput::refused_step_status(int x, int y) const {
  const GameState& state = game_.state;
  const int* move = selection_.cur_move;
  // The selected piece clicked again: the selection is given up.
  if (selection_.chain_count == 0 && x == move[CUR_FROM_X] && y == move[CUR_FROM_Y]) {
    return tr_noop("Status", "取り消しました");
  }
  if (selection_.chain_count == 0 && !state.belongs_to_turn(state.board(x, y)) &&
      can_step(state.board, move[CUR_FROM_X], move[CUR_FROM_Y], x, y, move[CUR_PIECE])) {
    return tr_noop("Status", "自分の駒を経由して動かします");
  }
  return tr_noop("Status", "そこへは動けません");
}

void MouseInput::click_board_square(int button, int x, int y) {
  GameState& state = game_.state;
  Drawing& d = drawing_;
  const int guide_colour = appearance_.guide_colour;
  if (!selection_.piece_picked) {
    select_board_piece(x, y);
    return;
  }
  int* move = selection_.cur_move;
  move[CUR_TO_X] = x;
  move[CUR_TO_Y] = y;
  const bool reachable = can_step_or_chain(state.board, move[CUR_FROM_X], move[CUR_FROM_Y], x, y,
                                           move[CUR_PIECE], selection_.chain_count);
  if (!reachable) {
    reporter_.set_status(refused_step_status(x, y));
    messages_.play_forbid();
    d.clear_marks();
    selection_.piece_picked = false;
    d.draw_lower_hand();
    d.draw_upper_hand();
    return;
  }
  const int code = state.board(x, y);
  if (x == selection_.chain_start_x && y == selection_.chain_start_y) {
    // Back on the chain start: the move is cancelled.
    d.frame_cell(PLAIN_CELL_COLOUR, move[CUR_FROM_X], move[CUR_FROM_Y]);
    move[CUR_FROM_X] = x;
    move[CUR_FROM_Y] = y;
    move[CUR_PIECE] = code;
    d.show_guidance(x, y, guide_colour, code, selection_.chain_count);
    selection_.piece_picked = false;
    reporter_.set_status(tr_noop("Status", "取り消しました"));
    return;
  }
  if (state.belongs_to_turn(code)) {
    move[CUR_FROM_X] = x;
    move[CUR_FROM_Y] = y;
    move[CUR_PIECE] = code;
    selection_.chain_count += 1;
    chain_links_.push_back({x, y});
    d.show_guidance(x, y, guide_colour, code, selection_.chain_count);
    d.frame_cell(SELECTED_COLOUR, x, y);
    d.frame_cell(CHAIN_START_COLOUR, selection_.chain_start_x, selection_.chain_start_y);
    reporter_.set_status(tr_noop("Status", "続けて自分の駒か、止まるマスをクリックします"));
    return;
  }
  end_move_at(button, x, y);
}

void MouseInput::select_board_piece(int x, int y) {
  GameState& state = game_.state;
  const int code = state.board(x, y);
  if (code == EMPTY) return;
  int* move = selection_.cur_move;
  selection_.chain_count = 0;
  move[CUR_FROM_X] = selection_.chain_start_x = x;
  move[CUR_FROM_Y] = selection_.chain_start_y = y;
  move[CUR_PIECE] = selection_.chain_piece = code;
  drawing_.show_guidance(x, y, appearance_.guide_colour, code, 0);
  chain_links_ = {{x, y}};
  if (state.belongs_to_turn(code)) {
    selection_.piece_picked = true;
    drawing_.frame_cell(SELECTED_COLOUR, x, y);
    reporter_.set_status(tr_noop("Status", "次に、この駒が踏む自分の駒をクリックします"));
  } else if (is_piece(code)) {
    drawing_.frame_cell(appearance_.guide_colour, x, y);
    reporter_.set_status(tr_noop("Status", "相手の駒です"));
  }
}

void MouseInput::end_move_at(int button, int x, int y) {
  GameState& state = game_.state;
  int* move = selection_.cur_move;
  // The last link, kept so that a refused promotion leaves the move as it was.
  const int link_x = move[CUR_FROM_X];
  const int link_y = move[CUR_FROM_Y];
  const int link_piece = move[CUR_PIECE];

  move[CUR_PIECE] = selection_.chain_piece;
  move[CUR_FROM_X] = selection_.chain_start_x;
  move[CUR_FROM_Y] = selection_.chain_start_y;
  const int piece = move[CUR_PIECE];
  const int from_x = move[CUR_FROM_X];
  const int from_y = move[CUR_FROM_Y];

  if (second_pawn_in_file(state.board, from_x, x, piece) &&
      !(button == MOUSE_RIGHT && promoted_code(from_x, from_y, x, y, piece) != piece)) {
    drawing_.frame_cell(REFUSED_COLOUR, x, y);
    reporter_.set_status(tr_noop("Status", "２歩になります"));
    messages_.refuse(tr_text("Game", "２歩なので打てません"), tr_text("Game", "警告"));
    refusal_tail(x, y);
    return;
  }
  if (!Board::on_board(from_x, 5) && state.board(x, y) != EMPTY) {
    reporter_.set_status(tr_noop("Status", "打った駒では相手の駒を取れません"));
    messages_.refuse(tr_text("Game", "張り駒で相手駒を取れません"), tr_text("Game", "警告"));
    refusal_tail(x, y);
    return;
  }
  if (!may_stay_unpromoted(y, piece) && button == MOUSE_LEFT) {
    reporter_.set_status(tr_noop("Status", "右クリックで成ります"));
    messages_.refuse(tr_text("Game", "マウスの右をクリックして下さい"), tr_text("Game", "成り"));
    move[CUR_FROM_X] = link_x;
    move[CUR_FROM_Y] = link_y;
    move[CUR_PIECE] = link_piece;
    return;
  }
  if (whole_game_full(game_)) {
    messages_.refuse(tr_text("Game", "棋譜が一杯です（５００手）。これ以上は指せません"),
                     tr_text("Game", "警告"));
    refusal_tail(x, y);
    return;
  }
  play_move(button, x, y);
}

void MouseInput::refusal_tail(int x, int y) {
  GameState& state = game_.state;
  int* move = selection_.cur_move;
  drawing_.frame_cell(PLAIN_CELL_COLOUR, move[CUR_FROM_X], move[CUR_FROM_Y]);
  move[CUR_FROM_X] = x;
  move[CUR_FROM_Y] = y;
  move[CUR_PIECE] = state.board(x, y);
  drawing_.show_guidance(x, y, appearance_.guide_colour, move[CUR_PIECE], selection_.chain_count);
  selection_.piece_picked = false;
}

void MouseInput::click_off_board(int x, int y) {
  GameState& state = game_.state;
  int* move = selection_.cur_move;
  if (is_piece(move[CUR_PIECE])) {
    drawing_.show_guidance(move[CUR_FROM_X], move[CUR_FROM_Y], PLAIN_CELL_COLOUR, move[CUR_PIECE],
                           selection_.chain_count);
    drawing_.frame_cell(PLAIN_CELL_COLOUR, move[CUR_FROM_X], move[CUR_FROM_Y]);
  }
  if (x == LOWER_HAND_COLUMN && y >= 3 && y <= 9) {
    const int slot = y - 2;
    if (state.lower_hand[slot] <= 0 || state.turn == state.upper_side()) return;
    select_hand_piece(x, y, -HAND_SLOT_CODES[slot]);
  } else if (x == UPPER_HAND_COLUMN && y >= 1 && y <= 7) {
    const int slot = upper_hand_slot_of_row(y);
    if (state.upper_hand[slot] <= 0 || state.turn == state.lower_side) return;
    select_hand_piece(x, y, HAND_SLOT_CODES[slot]);
  }
}

void MouseInput::select_hand_piece(int x, int y, int code) {
  int* move = selection_.cur_move;
  selection_.piece_picked = true;
  selection_.chain_count = 0;
  move[CUR_FROM_X] = selection_.chain_start_x = x;
  move[CUR_FROM_Y] = selection_.chain_start_y = y;
  move[CUR_PIECE] = selection_.chain_piece = code;
  chain_links_ = {{x, y}};
  drawing_.frame_cell(SELECTED_COLOUR, x, y);
  drawing_.show_guidance(x, y, appearance_.guide_colour, code, 0);
  reporter_.set_status(tr_noop("Status", "次に、打つ駒を置く自分の駒をクリックします"));
}

void MouseInput::play_move(int button, int to_x, int to_y) {
  int* move = selection_.cur_move;
  const int piece = move[CUR_PIECE];
  int placed = piece;
  if (button == MOUSE_RIGHT) {
    const int promoted = promoted_code(move[CUR_FROM_X], move[CUR_FROM_Y], to_x, to_y, piece);
    if (promoted != piece) placed = move[CUR_PIECE] = promoted;
  }
  play_decided_move(move[CUR_FROM_X], move[CUR_FROM_Y], to_x, to_y, piece, placed);
}

void MouseInput::play_decided_move(int from_x, int from_y, int to_x, int to_y, int moved,
                                   int placed) {
  GameState& state = game_.state;
  MoveRecord& record = game_.record;
  Drawing& d = drawing_;
  // Each person's thinking time goes on the clock of the side that moved.
  const bool upper_moved = moved >= 10;
  const double te = state.turn_elapsed;
  record_move(record, state.board, from_x, from_y, to_x, to_y, moved, placed, state.lower_clock,
              state.lower_clock + (upper_moved ? 0 : te), state.upper_clock,
              state.upper_clock + (upper_moved ? te : 0));
  game_.count_move();
  d.show_move_number(state.move_count);

  selection_.piece_picked = false;
  d.frame_cell(PLAIN_CELL_COLOUR, from_x, from_y);
  d.frame_cell(PLAIN_CELL_COLOUR, to_x, to_y);
  d.show_guidance(from_x, from_y, PLAIN_CELL_COLOUR, placed, selection_.chain_count);
  if (from_x == UPPER_HAND_COLUMN) from_y = upper_hand_slot_of_row(from_y);

  const MoveRedraw redraw = game_.play(from_x, from_y, to_x, to_y, placed);
  draw_move(d, from_x, from_y, to_x, to_y, placed, redraw);
  report_move(reporter_, record.entry[record.shown]);
  record_listener_.move_recorded();
  messages_.play_click();
  d.show_last_move(upper_moved ? state.upper_side() : state.lower_side, to_x, to_y, placed,
                   TEXT_COLOUR);

  if (state.vs_com == MODE_COM) {
    after_person_move_vs_com(redraw.captured);
  } else {
    after_person_move_two_persons(upper_moved);
    if (state.turn != NO_GAME) {
      reporter_.set_status(state.turn == state.sente ? tr_noop("Status", "先手の番です")
                                                     : tr_noop("Status", "後手の番です"));
    }
  }
}

void MouseInput::after_person_move_vs_com(int captured) {
  Game& game = game_;
  GameState& state = game.state;
  clocks_.set_clock_timer(false);
  clocks_.charge_turn(false);
  analyze_board(state, game.tables);
  if (captured == KING) {
    lifecycle_.game_over_prompt(Winner::PERSON);
  } else if (!side_can_move(state, state.upper_side())) {
    messages_.tell(tr_text("Game", "ＣＯＭの移動できる駒が無くなりました"),
                   tr_text("Game", "警告"));
    lifecycle_.game_over_prompt(Winner::PERSON);
  } else if (state.winner == NO_GAME) {
    game.give_turn_to(state.upper_side());
    lifecycle_.com_ban();
  }
}

void MouseInput::after_person_move_two_persons(bool upper_moved) {
  const GameState& state = game_.state;
  // The side that took the king wins, whichever side the board shows below.
  if (state.winner == state.sente) lifecycle_.game_over_prompt(Winner::SENTE);
  if (state.winner == state.gote()) lifecycle_.game_over_prompt(Winner::GOTE);
  if (state.turn == state.sente) {
    game_.give_turn_to(state.gote());
    if (!side_can_move(state, state.gote())) {
      messages_.tell(tr_text("Game", "後手の移動できる駒が無くなりました"),
                     tr_text("Game", "警告"));
      lifecycle_.game_over_prompt(Winner::SENTE);
      return;
    }
  } else if (state.turn == state.gote()) {
    game_.give_turn_to(state.sente);
    if (!side_can_move(state, state.sente)) {
      messages_.tell(tr_text("Game", "先手の移動できる駒が無くなりました"),
                     tr_text("Game", "警告"));
      lifecycle_.game_over_prompt(Winner::GOTE);
      return;
    }
  }
  if (state.turn != NO_GAME) clocks_.charge_turn(upper_moved);
  clocks_.start_turn();
}

}  // namespace kumora
