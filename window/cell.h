// A cell of the window's grid: a board square (1..9, 1..9) or a hand cell
// (column 11 rows 3..9 lower, column -1 rows 1..7 upper).
#pragma once

namespace kumora {

struct Cell {
  int x = 0;
  int y = 0;
  bool operator==(const Cell&) const = default;
};

}  // namespace kumora
