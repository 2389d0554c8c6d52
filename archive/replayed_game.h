// A kept game played through to its last move: the position there, and
// whether the game had ended, so that an unfinished one can be resumed.
#pragma once

#include "core/game_state.h"
#include "kifu/move_record.h"

namespace kumora {

struct ReplayedGame {
  GameState state;     // after entries 1..length, from the initial position
  int next_mover = 0;  // -1 lower, 1 upper
  bool ended = false;  // a king was taken, the record is full, or the next mover cannot move
};

// Plays the record's moves on `start`, the initial position when null
// (side TWO below and ONE above, as the record's codes are written).
ReplayedGame replay_game(const MoveRecord& record, const Board* start = nullptr);

}  // namespace kumora
