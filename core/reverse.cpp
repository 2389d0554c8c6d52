#include "core/reverse.h"

#include <utility>

namespace kumora {

void reverse_position(GameState& state) {
  const Board copy = state.board;
  for (int x = 1; x <= 9; ++x) {
    for (int y = 1; y <= 9; ++y) state.board(x, y) = -copy(10 - x, 10 - y);
  }
  for (int slot = 1; slot <= 7; ++slot) std::swap(state.lower_hand[slot], state.upper_hand[slot]);
  std::swap(state.lower_hand_total, state.upper_hand_total);
  state.turn = -state.turn;
}

}  // namespace kumora
