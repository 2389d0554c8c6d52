#include "rules/reverse.h"

#include <utility>

namespace kumora {

void reverse_position(Position& position) {
  const Board copy = position.board;
  for (int x = 1; x <= 9; ++x) {
    for (int y = 1; y <= 9; ++y) position.board(x, y) = -copy(10 - x, 10 - y);
  }
  for (int slot = 1; slot <= 7; ++slot)
    std::swap(position.lower_hand[slot], position.upper_hand[slot]);
  std::swap(position.lower_hand_total, position.upper_hand_total);
  position.turn = opposite(position.turn);
}

}  // namespace kumora
