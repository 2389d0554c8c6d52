#include "kifu/record.h"

namespace kumora {

namespace {

// A captured negative piece went to the upper hand, a positive one to the
// lower hand; a dropped negative piece came from the lower hand.
void change_captor_hand(GameState& state, int taken, int delta) {
  change_hand(state, is_upper_piece(taken), taken, delta);
}

void change_dropper_hand(GameState& state, int placed, int delta) {
  change_hand(state, is_lower_piece(placed), placed, delta);
}

}  // namespace

bool record_move(MoveRecord& record, const Board& board, int from_x, int from_y, int to_x, int to_y,
                 int moved, int placed, double lower_clock_before, double lower_clock_after,
                 double upper_clock_before, double upper_clock_after) {
  if (record_is_full(record)) return false;
  record.shown += 1;
  RecordEntry& e = record.entry[record.shown];
  e.from_x = from_x;
  e.from_y = from_y;
  e.to_x = to_x;
  e.to_y = to_y;
  e.moved = moved;
  e.placed = placed;
  e.lower_clock_before = lower_clock_before;
  e.lower_clock_after = lower_clock_after;
  e.upper_clock_before = upper_clock_before;
  e.upper_clock_after = upper_clock_after;
  e.taken = board.at_or_empty(to_x, to_y);
  record.length = record.shown;
  return true;
}

void undo_entry(GameState& state, const RecordEntry& e) {
  if (Board::on_board(e.from_x, e.from_y)) {
    state.board(e.from_x, e.from_y) = e.moved;
  } else {
    change_dropper_hand(state, e.placed, +1);
  }
  change_captor_hand(state, e.taken, -1);
  state.upper_clock = e.upper_clock_before;
  state.lower_clock = e.lower_clock_before;
  if (Board::on_board(e.to_x, e.to_y)) state.board(e.to_x, e.to_y) = e.taken;
}

void redo_entry(GameState& state, const RecordEntry& e) {
  if (Board::on_board(e.from_x, e.from_y)) {
    state.board(e.from_x, e.from_y) = EMPTY;
  } else {
    change_dropper_hand(state, e.placed, -1);
  }
  if (Board::on_board(e.to_x, e.to_y)) state.board(e.to_x, e.to_y) = e.placed;
  change_captor_hand(state, e.taken, +1);
  state.upper_clock = e.upper_clock_after;
  state.lower_clock = e.lower_clock_after;
}

}  // namespace kumora
