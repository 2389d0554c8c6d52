#include "window/record_positions.h"

#include "kifu/record.h"

namespace kumora {

std::vector<EnginePosition> record_positions(const Game& game) {
  const Kifu& kifu = game.kifu;
  std::vector<EnginePosition> positions;
  if (kifu.kifu_len == 0) return positions;
  GameState state = game.state;
  for (int i = kifu.kifu_pos; i >= 1; --i) undo_entry(state, kifu.entry[i]);
  for (int i = 0; i <= kifu.kifu_len; ++i) {
    // The side to move is the one that makes the next move, or the other
    // side of the one that made the last.
    const int mover = i < kifu.kifu_len ? (kifu.entry[i + 1].moved < 0 ? -1 : +1)
                                        : (kifu.entry[i].moved < 0 ? +1 : -1);
    positions.push_back(engine_position(state, mover, i));
    if (i < kifu.kifu_len) redo_entry(state, kifu.entry[i + 1]);
  }
  return positions;
}

}  // namespace kumora
