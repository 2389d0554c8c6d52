// The numbers the engine's evaluation and search are built on, in one place,
// each with a name so that tuning matches can try other values.
#pragma once

#include <string_view>

namespace kumora {

struct EngineParameters {
  // Piece values on the board, in hundredths of a pawn.
  int pawn = 70, lance = 280, knight = 320, silver = 480, gold = 540, bishop = 700,
      rook = 850;
  int tokin = 520, promoted_lance = 520, promoted_knight = 520, promoted_silver = 520,
      horse = 950, dragon = 1100;
  int hand_percent = 110;  // a piece in hand against the same unpromoted piece on the board
  int material_percent = 100;  // every piece value scaled by this

  int mobility = 32;           // per square a chain move of the piece can end on
  int immobile = 40;           // per piece (not the king) no chain can move
  int area = 0;                // per square some chain of the side can end on
  int attacked = 0;            // per enemy piece some chain of the side can take
  int drop_mobility = 0;       // per empty square a chain from an own piece ends on, per kind in hand
  int king_zone_reach = 30;    // per square around the king the enemy's chains end on
  int king_zone_drop = 12;     // per empty square around the king the enemy could drop on
  int king_zone_guard = 10;    // per own piece beside the king
  int king_mobility = -1;      // per square the king's chains end on; -1: as any piece (mobility)
  int king_advance = 0;        // per row the king stands beyond its own three rows

  // Search.
  int contempt = 0;            // what a draw costs the side the engine plays for
  int null_move = 1;           // 0 switches the null move off
  int late_move_reduction = 100;  // percent of the usual reduction of late quiet moves; 0 off
  int futility_margin = 120;   // per ply of remaining depth; 0 switches futility off
  int quiescence_evasion_plies = 0;  // qsearch answers a threat on its king this many plies deep
  int aspiration_window = 0;   // first window around the last score at the root; 0 switches it off
  int check_extension = 0;     // plies added where the side to move's king is threatened
  int quiescence_losing_captures = 1;  // 0: the quiescence search leaves out captures that may lose
  int quiescence_table = 1;    // 1: the quiescence search reads and writes the table
  int internal_reduction = 0;  // 1: a node without a table move at depth 4 or more is searched a ply shallower
  int quiet_futility = 0;      // per ply: quiet moves are skipped at depth 1-2 when eval + this * depth <= alpha
  int late_move_pruning = 3;   // quiet moves tried at depth d before the rest are skipped: this + d*d; 0 off
  int threat_percent = 0;      // of the side to move's most valuable piece the enemy can take unguarded
};

// Sets the parameter called `name`; false when there is none of that name.
bool set_engine_parameter(EngineParameters& parameters, std::string_view name, int value);

}  // namespace kumora
