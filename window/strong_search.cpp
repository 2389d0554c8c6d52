#include "window/strong_search.h"

#include <thread>

#include "kifu/record.h"

namespace kumora {

EnginePosition StrongSearch::position_with_history(int side) const {
  const GameState& state = s_.game.state;
  const Kifu& kifu = s_.game.kifu;
  EnginePosition position = engine_position(state, side, kifu.kifu_pos);
  // The positions before each move of the record, stepped back from here.
  PositionKey earlier[KIFU_CAPACITY + 1];
  int count = 0;
  GameState before = state;
  int to_move = side;
  for (int i = kifu.kifu_pos; i >= 1 && count < KIFU_CAPACITY; --i) {
    undo_entry(before, kifu.entry[i]);
    to_move = -to_move;
    earlier[count++] = engine_key(before.board, before.lower_hand, before.upper_hand, to_move);
  }
  for (int i = count - 1; i >= 0; --i) position.remember(earlier[i]);
  return position;
}

EngineResult StrongSearch::best_move(int side, int level) {
  const EnginePosition position = position_with_history(side);
  EngineLimits limits = level_limits(level);
  if (node_budget_ > 0) limits = EngineLimits{node_budget_, 0};
  std::atomic<bool> stop{false};
  std::atomic<bool> done{false};
  EngineResult result;
  std::thread worker([&] {
    result = engine_.think(position, limits, &stop);
    done = true;
  });
  const bool go_on = s_.host.wait_for([&] { return done.load(); });
  if (!go_on) stop = true;
  worker.join();
  if (!go_on) s_.flow.end_program();
  return result;
}

}  // namespace kumora
