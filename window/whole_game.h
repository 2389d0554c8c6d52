// The whole game since its first move, in the orientation it began in,
// whatever the board shows now: the moves kept from before the board was
// last turned round, then the record's moves, turned back when the board is
// turned. What the archive keeps and the side panel lists.
#pragma once

#include "window/game.h"

namespace kumora {

// `length` is the last move, `shown` the position shown.
MoveRecord whole_game(const Game& game);

// 反転: the moves up to the position shown are kept, and the board counts
// as turned (or back); the caller then drops the record.
void keep_moves_before_turn(Game& game);

// Whether 先手 plays the lower pieces of the whole game as it began.
inline bool sente_below_as_begun(const Game& game) {
  return (game.state.sente == game.state.lower_side) != game.history.sides_as_shown;
}

// Where the record's position 0 lies in the whole game.
inline int moves_before_record(const Game& game) { return game.history.before.length; }

// The whole game holds as many moves as a record file can at the position
// shown: no further move can be kept.
bool whole_game_full(const Game& game);

}  // namespace kumora
