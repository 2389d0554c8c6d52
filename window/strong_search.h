// The strong search of LEVEL4, LEVEL5 and the hint, run on a worker thread
// while the window stays alive: it repaints, discards the person's input,
// and can still be closed, which stops the search at once.
#pragma once

#include <atomic>
#include <cstdint>

#include "engine/engine.h"
#include "window/game.h"
#include "window/port/ports.h"
#include "window/program_exit.h"

namespace kumora {

class StrongSearch {
 public:
  StrongSearch(const Game& game, Host& host, ProgramExit& program_exit);

  // A node budget instead of time, so that the same position gives the same
  // move on every machine (the scenario runner always sets one); 0 for time.
  void set_node_budget(std::int64_t nodes) { node_budget_ = nodes; }
  std::int64_t node_budget() const { return node_budget_; }

  // The seed of the ladder's variety for the move to come: new every move of
  // a run, and the same in every run that plays by a node budget.
  std::uint32_t variety_seed() const;

  // The best move of `side` (-1 lower, +1 upper) in the shown position
  // within `limits` (limits_of_level, hint_limits); a search by time plays
  // by the node budget instead when one is set; the game's earlier positions count as repetitions.
  // Ends the program (ProgramEnded) when the person asks for it during the search.
  EngineResult best_move(int side, const EngineLimits& limits);

 private:
  EnginePosition position_with_history(int side) const;

  const Game& game_;
  Host& host_;
  ProgramExit& program_exit_;
  Engine engine_;
  std::int64_t node_budget_ = 0;
  std::uint32_t run_seed_;
};

}  // namespace kumora
