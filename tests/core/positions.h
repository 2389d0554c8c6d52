// Positions shared by the core tests.
#pragma once

#include "core/game_state.h"

namespace kumora::testing {

inline GameState initial_state() {
  GameState state;
  set_initial_position(state);
  return state;
}

inline Board initial_board() { return initial_state().board; }

}  // namespace kumora::testing
