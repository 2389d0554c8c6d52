// Recording moves and stepping the position back and forward through the record.
#pragma once

#include "core/game_state.h"
#include "kifu/move_record.h"

namespace kumora {

// Appends a move after the shown position (entries beyond it are dropped):
// shown += 1, the entry takes the given values and the target's present
// content as `taken`, length = shown. False, with nothing changed, when
// the record is full.
bool record_move(MoveRecord& record, const Board& board, int from_x, int from_y, int to_x, int to_y,
                 int moved, int placed, double lower_clock_before, double lower_clock_after,
                 double upper_clock_before, double upper_clock_after);

inline bool record_is_full(const MoveRecord& record) { return record.shown >= RECORD_LIMIT; }

// Undoes the entry on the board, the hands and the clocks: the moved
// piece back on its square (or in its hand), the taken piece back on the
// target and out of the captor's hand. Does not touch `shown`.
void undo_entry(GameState& state, const RecordEntry& entry);

// Plays entry e again on the board, the hands and the clocks.
void redo_entry(GameState& state, const RecordEntry& entry);

}  // namespace kumora
