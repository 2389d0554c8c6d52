// Building the attack tables from the board.
#pragma once

#include "analysis/attack_tables.h"
#include "core/game_state.h"

namespace kumora {

// Rebuilds every attack table from state.board in one sweep (columns 1..9,
// rows 1..9 within each), and sets state.lower_king_x/y and
// state.upper_king_x/y where it meets the kings (kept otherwise). The upper
// square tables are not reset: entries not written keep earlier values.
void analyze_board(GameState& state, AttackTables& tables);

}  // namespace kumora
