// The numbers the engine's evaluation and search are built on, in one place,
// each with a name so that tuning matches can try other values.
#pragma once

#include <string_view>

namespace kumora {

struct EngineParameters {
  // Piece values on the board, in hundredths of a pawn.
  int pawn = 70, lance = 280, knight = 320, silver = 480, gold = 540, bishop = 700, rook = 850;
  int tokin = 520, promoted_lance = 520, promoted_knight = 520, promoted_silver = 520, horse = 950,
      dragon = 1100;
  int hand_percent = 110;  // a piece in hand against the same unpromoted piece on the board

  int mobility = 32;         // per square a chain move of the piece (the king too) can end on
  int immobile = 40;         // per piece (not the king) no chain can move
  int king_zone_reach = 30;  // per square around the king the enemy's chains end on
  int king_zone_drop = 12;   // per empty square around the king the enemy could drop on
  int king_zone_guard = 10;  // per own piece beside the king

  // Search.
  int null_move = 1;              // 0 switches the null move off
  int late_move_reduction = 100;  // percent of the usual reduction of late quiet moves; 0 off
  int futility_margin = 120;      // per ply of remaining depth; 0 switches futility off
  int internal_reduction =
      0;  // 1: a node without a table move at depth 4 or more is searched a ply shallower
  int quiet_futility =
      0;  // per ply: quiet moves are skipped at depth 1-2 when eval + this * depth <= alpha
  int late_move_pruning =
      3;  // quiet moves tried at depth d before the rest are skipped: this + d*d; 0 off
};

// Sets the parameter called `name`; false when there is none of that name.
bool set_engine_parameter(EngineParameters& parameters, std::string_view name, int value);

}  // namespace kumora
