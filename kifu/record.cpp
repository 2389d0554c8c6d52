#include "kifu/record.h"

namespace kumora {

namespace {

// The hand a negative code goes to when captured is the upper hand, and the
// other way round.
// A captured king never enters a hand: its hand index 0 is left alone.
void change_captor_hand(GameState& state, int taken, int delta) {
  const int slot = hand_index(taken);
  if (slot == 0) return;
  (taken <= -10 ? state.upper_hand : state.lower_hand)[slot] += delta;
}
void change_dropper_hand(GameState& state, int placed, int delta) {
  const int slot = hand_index(placed);
  if (slot == 0) return;
  (placed <= -10 ? state.lower_hand : state.upper_hand)[slot] += delta;
}

void change_dropper_total(GameState& state, int placed, int delta) {
  if (placed >= 10) {
    state.upper_hand_total += delta;
  } else if (placed <= -10) {
    state.lower_hand_total += delta;
  }
}

void change_captor_total(GameState& state, int taken, int delta) {
  if (taken <= -10) {
    state.upper_hand_total += delta;
  } else if (taken >= 10) {
    state.lower_hand_total += delta;
  }
}

}  // namespace

bool record_move(Kifu& kifu, const Board& board, int from_x, int from_y, int to_x, int to_y,
                 int moved, int placed, double lower_clock_before, double lower_clock_after,
                 double upper_clock_before, double upper_clock_after) {
  if (kifu_is_full(kifu)) return false;
  kifu.kifu_pos += 1;
  KifuEntry& e = kifu.entry[kifu.kifu_pos];
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
  kifu.kifu_len = kifu.kifu_pos;
  return true;
}

void undo_entry(GameState& state, const KifuEntry& e) {
  if (Board::on_board(e.from_x, e.from_y)) {
    state.board(e.from_x, e.from_y) = e.moved;
  } else {
    change_dropper_hand(state, e.placed, +1);
    change_dropper_total(state, e.placed, +1);
  }
  if (e.taken != EMPTY) {
    change_captor_hand(state, e.taken, -1);
    change_captor_total(state, e.taken, -1);
  }
  state.upper_clock = e.upper_clock_before;
  state.lower_clock = e.lower_clock_before;
  if (Board::on_board(e.to_x, e.to_y)) state.board(e.to_x, e.to_y) = e.taken;
}

void redo_entry(GameState& state, const KifuEntry& e) {
  if (Board::on_board(e.from_x, e.from_y)) {
    state.board(e.from_x, e.from_y) = EMPTY;
  } else {
    change_dropper_hand(state, e.placed, -1);
    change_dropper_total(state, e.placed, -1);
  }
  if (Board::on_board(e.to_x, e.to_y)) state.board(e.to_x, e.to_y) = e.placed;
  if (e.taken != EMPTY) {
    change_captor_hand(state, e.taken, +1);
    change_captor_total(state, e.taken, +1);
  }
  state.upper_clock = e.upper_clock_after;
  state.lower_clock = e.lower_clock_after;
}

}  // namespace kumora
