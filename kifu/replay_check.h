// Whether a record entry can be played on a position the way "進" plays it.
#pragma once

#include <string>

#include "core/game_state.h"
#include "kifu/move_record.h"

namespace kumora {

// Why the entry cannot be played on `state`; empty when it can.
// `mover` is the sign of the side whose turn it is (-1 lower, 1 upper), or 0
// for the first move, which either side may make.
// Checked: the target on the board; a board move starts from a square holding
// exactly `moved` and places `moved` or its promoted code; a drop comes from a
// hand cell (11, rows 3..9 / -1, slots 1..7) with an unpromoted kind the
// dropper holds, onto an empty square; `taken` is what stands on the target
// and no piece of the mover; the clocks are not negative; and the move obeys
// the rules a person's clicks obey: a chain of own pieces leads from the
// origin to the target, a second pawn in a column only when it promotes on
// the move, promotion where the piece could not move on unpromoted.
std::string replay_problem(const GameState& state, const RecordEntry& entry, int mover);

// The sign of the side that made the entry: -1 lower, 1 upper.
inline int mover_of(const RecordEntry& entry) { return entry.moved < 0 ? -1 : 1; }

}  // namespace kumora
