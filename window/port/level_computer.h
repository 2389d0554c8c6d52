// The LEVEL1-3 computer as the window asks it for a move. The window holds
// no computer of its own: whoever builds the window hands it one, and the
// computer keeps what it carries from turn to turn itself.
#pragma once

#include "analysis/attack_tables.h"
#include "core/game_state.h"
#include "rules/reach_state.h"

namespace kumora {

// The move chosen, as the window plays it; found is false when there is none.
struct ComputerMove {
  int from_x = 0, from_y = 0, to_x = 0, to_y = 0;
  int moved = 0, placed = 0;
  bool found = false;
};

// Told now and then while the computer thinks, so that the clock keeps moving.
class ThinkingTicker {
 public:
  virtual void tick() = 0;

 protected:
  ~ThinkingTicker() = default;
};

class LevelComputer {
 public:
  // The upper side's move in `state`, with the attack tables as the last
  // analysis left them and the reach maps; both serve as work space.
  virtual ComputerMove choose_move(GameState& state, AttackTables& tables, ReachState& reach,
                                   ThinkingTicker& ticker) = 0;

 protected:
  ~LevelComputer() = default;
};

}  // namespace kumora
