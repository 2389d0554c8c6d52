#include "archive/replayed_game.h"

#include <cstdlib>

#include "kifu/record.h"
#include "rules/candidates.h"

namespace kumora {

ReplayedGame replay_game(const MoveRecord& record, const Board* start) {
  ReplayedGame game;
  GameState& state = game.state;
  state.lower_side = Side::TWO;
  set_initial_position(state);
  if (start != nullptr) state.board = *start;
  for (int i = 1; i <= record.length; ++i) redo_entry(state, record.entry[i]);
  if (record.length == 0) {
    game.next_mover = -1;
    return game;
  }
  const RecordEntry& last = record.entry[record.length];
  game.next_mover = last.moved < 0 ? 1 : -1;
  const bool lower_next = game.next_mover < 0;
  game.ended = std::abs(last.taken) == KING || record.length >= RECORD_LIMIT ||
               !side_has_candidate(state.board, lower_next ? state.lower_hand : state.upper_hand,
                                   game.next_mover);
  return game;
}

}  // namespace kumora
