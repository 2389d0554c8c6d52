#include "rules/make_move.h"

namespace kumora {

namespace {

// Takes the dropped piece out of its hand; a row that names no slot takes nothing.
void take_from_hand(Position& position, bool lower, int slot) {
  if (slot < 1 || slot > 7) return;
  change_hand(position, lower, HAND_SLOT_CODES[slot], -1);
}

}  // namespace

void add_to_hand(Position& position, int code) {
  if (code == KING) {
    position.winner = position.lower_side;
  } else if (code == -KING) {
    position.winner = position.upper_side();
  } else if (is_upper_piece(code) || is_lower_piece(code)) {
    change_hand(position, is_upper_piece(code), code, +1);
  }
}

MoveRedraw make_move(Position& position, int from_x, int from_y, int to_x, int to_y, int piece) {
  MoveRedraw redraw;
  if (!Board::on_board(to_x, to_y)) return redraw;
  const int target = position.board(to_x, to_y);
  redraw.captured = target;
  if (is_lower_piece(target) || is_upper_piece(target)) {
    add_to_hand(position, target);
    redraw.capture_hand = is_upper_piece(target) ? LOWER_HAND_COLUMN : UPPER_HAND_COLUMN;
  }

  position.board(to_x, to_y) = piece;
  if (piece == -KING) {
    position.lower_king_x = to_x;
    position.lower_king_y = to_y;
  }

  if (from_x == UPPER_HAND_COLUMN) {
    take_from_hand(position, false, from_y);
    redraw.drop_hand = UPPER_HAND_COLUMN;
  } else if (from_x == LOWER_HAND_COLUMN) {
    take_from_hand(position, true, from_y - 2);
    redraw.drop_hand = LOWER_HAND_COLUMN;
  } else if (Board::on_board(from_x, from_y)) {
    position.board(from_x, from_y) = EMPTY;
  }
  return redraw;
}

}  // namespace kumora
