#include "core/game_state.h"

#include <cmath>

namespace kumora {

void set_initial_position(GameState& state) {
  for (int i = 1; i <= 7; ++i) {
    state.lower_hand[i] = 0;
    state.upper_hand[i] = 0;
  }
  state.board.clear();
  const int back_rank[10] = {0, LANCE, KNIGHT, SILVER, GOLD, KING, GOLD, SILVER, KNIGHT, LANCE};
  for (int x = 1; x <= 9; ++x) {
    state.board(x, 1) = back_rank[x];
    state.board(x, 3) = PAWN;
    state.board(x, 7) = -PAWN;
    state.board(x, 9) = -back_rank[x];
  }
  state.board(2, 2) = ROOK;
  state.board(8, 2) = BISHOP;
  state.board(2, 8) = -BISHOP;
  state.board(8, 8) = -ROOK;
  state.lower_hand_total = 0;
  state.upper_hand_total = 0;
}

void change_hand(GameState& state, bool lower, int code, int delta) {
  const int slot = hand_index(code);
  if (slot == 0) return;
  (lower ? state.lower_hand : state.upper_hand)[slot] += delta;
  (lower ? state.lower_hand_total : state.upper_hand_total) += delta;
}

void recompute_hand_totals(GameState& state) {
  state.lower_hand_total = 0;
  state.upper_hand_total = 0;
  for (int i = 1; i <= 7; ++i) {
    if (state.lower_hand[i] > 0) state.lower_hand_total += state.lower_hand[i];
    if (state.upper_hand[i] > 0) state.upper_hand_total += state.upper_hand[i];
  }
}

int cell_column(double twip_x) {
  return static_cast<int>(std::floor((twip_x - BOARD_X0) / CELL_W));
}

int cell_row(double twip_y) { return static_cast<int>(std::floor((twip_y - BOARD_Y0) / CELL_H)); }

}  // namespace kumora
