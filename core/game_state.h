// The state of the game the window holds: the position, and the game's own
// fields around it (who moves first, the move number, the modes, the
// clocks, the level and the handicap).
#pragma once

#include "core/constants.h"
#include "rules/position.h"

namespace kumora {

struct GameState : Position {
  // 先手, and 後手 the other side; reading a record may name the upper
  // half's side 先手.
  Side sente = Side::ONE;
  Side gote() const { return opposite(sente); }

  int move_count = 0;
  Opponent vs_com = MODE_MAN;
  bool record_mode = false;  // a record read from a file is replayed
  bool reversed = false;
  bool stepped = false;

  double lower_clock = 0;
  double upper_clock = 0;
  double turn_elapsed = 0;

  int level = 3;
  int handicap_grade = 0;
  bool handicap_set = false;
};

// Mouse position in twips to cell; Int rounds toward minus infinity.
int cell_column(double twip_x);
int cell_row(double twip_y);

}  // namespace kumora
