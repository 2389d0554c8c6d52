// The click order of a chain, written on the board over its frames: the
// hint's move (1 on the piece, 2, 3, ... on the own pieces it steps on, and
// its destination last), or the links of the move the person is building.
// The logic keeps them beside the frames; the view draws them.
#pragma once

#include <string>
#include <vector>

#include "window/cell.h"

namespace kumora {

struct ChainNumbers {
  std::vector<Cell> cells;           // cells[i] carries the number i + 1
  bool ends_at_destination = false;  // the last cell is where the move ends

  bool empty() const { return cells.empty(); }
};

// "none", or "1 at 8,8; 2 at 8,7; 3 at 8,6, the destination".
std::string describe_numbers(const ChainNumbers& numbers);

}  // namespace kumora
