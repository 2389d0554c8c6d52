// The LEVEL1-3 computer as the window asks it for a move. The window holds
// no computer of its own: whoever builds the window hands it one, and the
// computer keeps what it carries from turn to turn itself.
#pragma once

#include <optional>

#include "analysis/attack_tables.h"
#include "core/game_state.h"
#include "rules/candidates.h"
#include "rules/reach_state.h"

namespace kumora {

// Told now and then while the computer thinks, so that the clock keeps moving.
class ThinkingTicker {
 public:
  virtual void tick() = 0;

 protected:
  ~ThinkingTicker() = default;
};

class LevelComputer {
 public:
  // The upper side's move in `state`, none when it has no move, with the
  // attack tables as the last analysis left them and the reach maps; both
  // serve as work space.
  virtual std::optional<Candidate> choose_move(GameState& state, AttackTables& tables,
                                               ReachState& reach, ThinkingTicker& ticker) = 0;

 protected:
  ~LevelComputer() = default;
};

}  // namespace kumora
