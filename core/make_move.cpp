#include "core/make_move.h"

namespace kumora {

namespace {

bool valid_slot(int slot) { return slot >= 1 && slot <= 7; }

// Hand slot of a captured code, promoted or not (111 counts as a gold); 0 for
// a king or a code that is no piece.
int captured_slot(int code) {
  switch (code < 0 ? -code : code) {
    case PAWN: case TOKIN: return 1;
    case LANCE: case PROMOTED_LANCE: return 2;
    case KNIGHT: case PROMOTED_KNIGHT: return 3;
    case SILVER: case PROMOTED_SILVER: return 4;
    case GOLD: case PROMOTED_GOLD: return 5;
    case BISHOP: case HORSE: return 6;
    case ROOK: case DRAGON: return 7;
    default: return 0;
  }
}

// Takes the dropped piece out of its hand; a row that names no slot takes nothing.
void take_from_hand(int* hand, int& total, int slot) {
  if (!valid_slot(slot)) return;
  total -= 1;
  hand[slot] -= 1;
}

}  // namespace

void add_to_hand(GameState& state, int code) {
  if (code == KING) {
    state.winner = state.lower_side;
  } else if (code == -KING) {
    state.winner = state.upper_side;
  } else if (const int slot = captured_slot(code); slot != 0) {
    if (code >= 10) state.lower_hand[slot] += 1;
    if (code <= -10) state.upper_hand[slot] += 1;
  }
}

MoveRedraw make_move(GameState& state, int from_x, int from_y, int to_x, int to_y, int piece) {
  MoveRedraw redraw;
  if (!Board::on_board(to_x, to_y)) return redraw;
  const int target = state.board(to_x, to_y);
  redraw.captured = target;
  if (target <= -10) {
    state.upper_hand_total += 1;
    add_to_hand(state, target);
    redraw.capture_hand = UPPER_HAND_COLUMN;
  } else if (target >= 10) {
    state.lower_hand_total += 1;
    add_to_hand(state, target);
    redraw.capture_hand = LOWER_HAND_COLUMN;
  }

  state.board(to_x, to_y) = piece;
  if (piece == -KING) {
    state.lower_king_x = to_x;
    state.lower_king_y = to_y;
  }

  if (from_x == UPPER_HAND_COLUMN) {
    take_from_hand(state.upper_hand, state.upper_hand_total, from_y);
    redraw.drop_hand = UPPER_HAND_COLUMN;
  } else if (from_x == LOWER_HAND_COLUMN) {
    take_from_hand(state.lower_hand, state.lower_hand_total, from_y - 2);
    redraw.drop_hand = LOWER_HAND_COLUMN;
  } else if (Board::on_board(from_x, from_y)) {
    state.board(from_x, from_y) = EMPTY;
  }
  return redraw;
}

}  // namespace kumora
