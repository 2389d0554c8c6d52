// Positions shared by the rules tests.
#pragma once

#include "rules/position.h"

namespace kumora::testing {

inline Position initial_state() {
  Position state;
  set_initial_position(state);
  return state;
}

inline Board initial_board() { return initial_state().board; }

}  // namespace kumora::testing
