#include "window/strong_search.h"

#include <random>

#include "engine/background_search.h"
#include "kifu/record.h"

namespace kumora {

StrongSearch::StrongSearch(const Game& game, Host& host, ProgramExit& program_exit)
    : game_(game), host_(host), program_exit_(program_exit), run_seed_(std::random_device{}()) {}

std::uint32_t StrongSearch::variety_seed() const {
  const std::uint32_t move = static_cast<std::uint32_t>(game_.record.shown);
  return node_budget_ > 0 ? move : run_seed_ * 2654435761u + move;
}

EnginePosition StrongSearch::position_with_history(int side) const {
  const GameState& state = game_.state;
  const MoveRecord& record = game_.record;
  EnginePosition position = engine_position(state, side, record.shown);
  // The positions before each move of the record, stepped back from here.
  PositionKey earlier[RECORD_LIMIT + 1];
  int count = 0;
  GameState before = state;
  int to_move = side;
  for (int i = record.shown; i >= 1 && count < RECORD_LIMIT; --i) {
    undo_entry(before, record.entry[i]);
    to_move = -to_move;
    earlier[count++] = engine_key(before.board, before.lower_hand, before.upper_hand, to_move);
  }
  for (int i = count - 1; i >= 0; --i) position.remember(earlier[i]);
  return position;
}

EngineResult StrongSearch::best_move(int side, const EngineLimits& limits) {
  const EnginePosition position = position_with_history(side);
  const bool by_time = limits.nodes == 0;
  EngineLimits used = by_time && node_budget_ > 0 ? EngineLimits{node_budget_, 0} : limits;
  // Playing by a budget, a level's own budget is not cut short by the clock
  // either, so that its move is the same on every machine.
  if (node_budget_ > 0) used.seconds = used.iteration_seconds = 0;
  const BackgroundResult outcome = think_in_background(
      engine_, position, used,
      [this](const std::function<bool()>& done) { return host_.wait_for(done); });
  if (outcome.given_up) program_exit_.end_program();
  return outcome.result;
}

}  // namespace kumora
