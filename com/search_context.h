// What the computer's turn prepares before its search and the scoring reads:
// the snapshots of the position before the move, the threat maps, and the
// values set for the candidate being scored.
#pragma once

#include "analysis/attack_tables.h"
#include "core/game_state.h"
#include "rules/reach_state.h"

namespace kumora {

struct ComContext {
  // Taken at the start of the turn.
  Board board_at_turn_start;
  int escape_count_before = 0;
  BoardTable lower_attack_before;
  BoardTable upper_attack_before;
  BoardTable upper_attacker_x_before;
  BoardTable upper_attacker_y_before;

  // The threat maps, rebuilt at the start of every turn.
  SquareMarks bishop_check_squares;
  SquareMarks lower_pinned;
  bool upper_has_pinned = false;

  // The candidate being scored.
  int moving_piece = 0;
  int mover_king_distance = 0;
};

// Everything the scoring reads and the evaluations may use as work space.
// The caller owns the pieces; nothing here allocates.
struct ComWorld {
  GameState& state;
  AttackTables& tables;
  ComContext& context;
  ReachState& reach;
};

}  // namespace kumora
