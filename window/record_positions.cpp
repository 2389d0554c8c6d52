#include "window/record_positions.h"

#include "kifu/record.h"
#include "rules/reverse.h"
#include "window/whole_game.h"

namespace kumora {

std::vector<EnginePosition> record_positions(const Game& game) {
  const MoveRecord whole = whole_game(game);
  std::vector<EnginePosition> positions;
  if (whole.length == 0) return positions;
  // Back to the start, in the orientation the game began in.
  const bool turned = game.history.turned;
  GameState state = game.state;
  for (int i = game.record.shown; i >= 1; --i) undo_entry(state, game.record.entry[i]);
  if (turned) reverse_position(state);
  for (int i = moves_before_record(game); i >= 1; --i) undo_entry(state, whole.entry[i]);
  for (int i = 0; i <= whole.length; ++i) {
    // The side to move is the one that makes the next move, or the other
    // side of the one that made the last.
    const int mover = i < whole.length ? (whole.entry[i + 1].moved < 0 ? -1 : +1)
                                       : (whole.entry[i].moved < 0 ? +1 : -1);
    GameState shown = state;
    if (turned) reverse_position(shown);
    positions.push_back(engine_position(shown, turned ? -mover : mover, i));
    if (i < whole.length) redo_entry(state, whole.entry[i + 1]);
  }
  return positions;
}

}  // namespace kumora
