#include "archive/replayed_game.h"

#include <cstdlib>

#include "kifu/record.h"
#include "rules/candidates.h"

namespace kumora {

ReplayedGame replay_game(const Kifu& kifu, const Board* start) {
  ReplayedGame game;
  GameState& state = game.state;
  state.lower_side = Side::TWO;
  state.upper_side = Side::ONE;
  set_initial_position(state);
  if (start != nullptr) state.board = *start;
  for (int i = 1; i <= kifu.kifu_len; ++i) redo_entry(state, kifu.entry[i]);
  if (kifu.kifu_len == 0) {
    game.next_mover = -1;
    return game;
  }
  const KifuEntry& last = kifu.entry[kifu.kifu_len];
  game.next_mover = last.moved < 0 ? 1 : -1;
  const bool lower_next = game.next_mover < 0;
  game.ended = std::abs(last.taken) == KING || kifu.kifu_len >= RECORD_LIMIT ||
               !side_has_candidate(state.board, lower_next ? state.lower_hand : state.upper_hand,
                                   game.next_mover);
  return game;
}

}  // namespace kumora
