#include "rules/position.h"

namespace kumora {

void set_initial_position(Position& position) {
  for (int i = 1; i <= 7; ++i) {
    position.lower_hand[i] = 0;
    position.upper_hand[i] = 0;
  }
  position.board.clear();
  const int back_rank[10] = {0, LANCE, KNIGHT, SILVER, GOLD, KING, GOLD, SILVER, KNIGHT, LANCE};
  for (int x = 1; x <= 9; ++x) {
    position.board(x, 1) = back_rank[x];
    position.board(x, 3) = PAWN;
    position.board(x, 7) = -PAWN;
    position.board(x, 9) = -back_rank[x];
  }
  position.board(2, 2) = ROOK;
  position.board(8, 2) = BISHOP;
  position.board(2, 8) = -BISHOP;
  position.board(8, 8) = -ROOK;
  position.lower_hand_total = 0;
  position.upper_hand_total = 0;
}

void change_hand(Position& position, bool lower, int code, int delta) {
  const int slot = hand_index(code);
  if (slot == 0) return;
  (lower ? position.lower_hand : position.upper_hand)[slot] += delta;
  (lower ? position.lower_hand_total : position.upper_hand_total) += delta;
}

void recompute_hand_totals(Position& position) {
  position.lower_hand_total = 0;
  position.upper_hand_total = 0;
  for (int i = 1; i <= 7; ++i) {
    if (position.lower_hand[i] > 0) position.lower_hand_total += position.lower_hand[i];
    if (position.upper_hand[i] > 0) position.upper_hand_total += position.upper_hand[i];
  }
}

}  // namespace kumora
