#include "engine/engine.h"

#include <algorithm>

#include <thread>

#include "engine/ladder.h"
#include "engine/search.h"
#include "engine/search_team.h"

namespace kumora {

EnginePosition engine_position(const GameState& state, int side, int moves_played) {
  EnginePosition position;
  position.board = state.board;
  for (int slot = 1; slot <= 7; ++slot) {
    position.lower_hand[slot] = state.lower_hand[slot];
    position.upper_hand[slot] = state.upper_hand[slot];
  }
  position.side = side > 0 ? +1 : -1;
  position.moves_played = moves_played;
  return position;
}

PositionKey engine_key(const Board& board, const int* lower_hand, const int* upper_hand, int side) {
  return position_key(board, lower_hand, upper_hand, side > 0 ? +1 : -1);
}

// LEVEL4 answers quickly most of the time and uses its second only when an
// iteration it began runs long; LEVEL5 spends much more of its three.
EngineLimits level_limits(int level) {
  EngineLimits limits;
  if (level >= 5) {
    limits.seconds = LEVEL5_SECONDS;
    limits.iteration_seconds = 0.40 * LEVEL5_SECONDS;
    limits.threads = core_count();
  } else {
    limits.seconds = LEVEL4_SECONDS;
    limits.iteration_seconds = 0.15 * LEVEL4_SECONDS;
  }
  return limits;
}

EngineLimits hint_limits() {
  EngineLimits limits = level_limits(4);
  limits.threads = core_count();
  return limits;
}

int core_count() { return std::max(1u, std::thread::hardware_concurrency()); }

Engine::Engine(int table_megabytes, const EngineParameters& parameters)
    : parameters_(parameters),
      table_(std::make_unique<TranspositionTable>(table_megabytes)),
      workspace_(std::make_unique<SearchWorkspace>()),
      helpers_(std::make_unique<SearchTeam>()) {}

Engine::~Engine() = default;

EngineResult Engine::think(const EnginePosition& position, const EngineLimits& limits,
                           const std::atomic<bool>* stop) {
  // A search limited by nodes alone must give the same move whatever was
  // searched before, so it starts from empty tables.
  const bool by_nodes = limits.seconds <= 0 && limits.nodes > 0;
  if (by_nodes) clear();
  table_->next_generation();
  const int helpers = by_nodes ? 0 : std::max(1, limits.threads) - 1;
  if (helpers == 0) {
    EngineResult result = run_search(position, limits, stop, parameters_, *table_, *workspace_);
    // A weaker level may stop before it has seen everything: never let it
    // leave its king to be taken when a move avoids that.
    if (limits.variety > 0 && result.found) result.best = king_kept_safe(position, result.best);
    return result;
  }
  helpers_->start(helpers, position, parameters_, *table_);
  EngineResult result = run_search(position, limits, stop, parameters_, *table_, *workspace_);
  result.nodes += helpers_->stop();
  return result;
}

void Engine::clear() {
  table_->clear();
  workspace_->history.clear();
}

int engine_value_for_lower(const EnginePosition& position, std::int64_t nodes) {
  thread_local Engine engine(1);
  EngineLimits limits;
  limits.nodes = nodes;
  const EngineResult result = engine.think(position, limits, nullptr);
  if (!result.found) return position.side < 0 ? -ENGINE_MATE : ENGINE_MATE;
  return position.side < 0 ? result.score_cp : -result.score_cp;
}

}  // namespace kumora
