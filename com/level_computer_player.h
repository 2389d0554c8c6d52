// The LEVEL1-3 computer behind the window's port: each turn prepared and
// searched in one call, with the context it carries between turns.
#pragma once

#include "com/com_turn.h"
#include "window/port/level_computer.h"

namespace kumora {

class LevelComputerPlayer final : public LevelComputer {
 public:
  std::optional<Candidate> choose_move(GameState& state, AttackTables& tables, ReachState& reach,
                                       ThinkingTicker& ticker) override;
  // What the last turn prepared, for a search on copies (the runner's scores).
  const ComContext& context() const { return context_; }

 private:
  ComContext context_;
};

}  // namespace kumora
