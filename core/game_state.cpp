#include "core/game_state.h"

#include <cmath>

namespace kumora {

int cell_column(double twip_x) {
  return static_cast<int>(std::floor((twip_x - BOARD_X0) / CELL_W));
}

int cell_row(double twip_y) { return static_cast<int>(std::floor((twip_y - BOARD_Y0) / CELL_H)); }

}  // namespace kumora
