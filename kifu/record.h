// Recording moves and stepping the position back and forward through the record.
#pragma once

#include "core/game_state.h"
#include "kifu/kifu.h"

namespace kumora {

// Appends a move after the shown position (entries beyond it are dropped):
// kifu_pos += 1, the entry takes the given values and the target's present
// content as `taken`, kifu_len = kifu_pos. False, with nothing changed, when
// the record is full.
bool record_move(Kifu& kifu, const Board& board, int from_x, int from_y, int to_x, int to_y,
                 int moved, int placed, double lower_clock_before, double lower_clock_after,
                 double upper_clock_before, double upper_clock_after);

inline bool kifu_is_full(const Kifu& kifu) { return kifu.kifu_pos >= RECORD_LIMIT; }

// Undoes entry kifu_pos on the board, the hands and the clocks: the moved
// piece back on its square (or in its hand), the taken piece back on the
// target and out of the captor's hand. Does not touch kifu_pos.
void undo_entry(GameState& state, const KifuEntry& entry);

// Plays entry e again on the board, the hands and the clocks.
void redo_entry(GameState& state, const KifuEntry& entry);

}  // namespace kumora
