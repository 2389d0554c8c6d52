#include "core/make_move.h"

namespace kumora {

namespace {

// Takes the dropped piece out of its hand; a row that names no slot takes nothing.
void take_from_hand(GameState& state, bool lower, int slot) {
  if (slot < 1 || slot > 7) return;
  change_hand(state, lower, HAND_SLOT_CODES[slot], -1);
}

}  // namespace

void add_to_hand(GameState& state, int code) {
  if (code == KING) {
    state.winner = state.lower_side;
  } else if (code == -KING) {
    state.winner = state.upper_side;
  } else if (is_upper_piece(code) || is_lower_piece(code)) {
    change_hand(state, is_upper_piece(code), code, +1);
  }
}

MoveRedraw make_move(GameState& state, int from_x, int from_y, int to_x, int to_y, int piece) {
  MoveRedraw redraw;
  if (!Board::on_board(to_x, to_y)) return redraw;
  const int target = state.board(to_x, to_y);
  redraw.captured = target;
  if (is_lower_piece(target) || is_upper_piece(target)) {
    add_to_hand(state, target);
    redraw.capture_hand = is_upper_piece(target) ? LOWER_HAND_COLUMN : UPPER_HAND_COLUMN;
  }

  state.board(to_x, to_y) = piece;
  if (piece == -KING) {
    state.lower_king_x = to_x;
    state.lower_king_y = to_y;
  }

  if (from_x == UPPER_HAND_COLUMN) {
    take_from_hand(state, false, from_y);
    redraw.drop_hand = UPPER_HAND_COLUMN;
  } else if (from_x == LOWER_HAND_COLUMN) {
    take_from_hand(state, true, from_y - 2);
    redraw.drop_hand = LOWER_HAND_COLUMN;
  } else if (Board::on_board(from_x, from_y)) {
    state.board(from_x, from_y) = EMPTY;
  }
  return redraw;
}

}  // namespace kumora
