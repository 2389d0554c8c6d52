// The strong search of LEVEL4, LEVEL5 and the hint, run on a worker thread
// while the window stays alive: it repaints, discards the person's input,
// and can still be closed, which stops the search at once.
#pragma once

#include <atomic>
#include <cstdint>

#include "engine/engine.h"
#include "window/services.h"

namespace kumora {

class StrongSearch {
 public:
  explicit StrongSearch(WindowServices& services) : s_(services) {}

  // A node budget instead of time, so that the same position gives the same
  // move on every machine (the scenario runner always sets one); 0 for time.
  void set_node_budget(std::int64_t nodes) { node_budget_ = nodes; }
  std::int64_t node_budget() const { return node_budget_; }

  // The best move of `side` (-1 lower, +1 upper) in the shown position
  // within `limits` (level_limits, hint_limits), or the node budget when one
  // is set; the game's earlier positions count as repetitions. Ends the
  // program (ProgramEnded) when the person asks for it during the search.
  EngineResult best_move(int side, const EngineLimits& limits);

 private:
  EnginePosition position_with_history(int side) const;

  WindowServices& s_;
  Engine engine_;
  std::int64_t node_budget_ = 0;
};

}  // namespace kumora
