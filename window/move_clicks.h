// The cells a person clicks to make a move: its origin (a hand cell for a
// drop), the own pieces it links through, and its destination. The hint frames
// them in this order.
#pragma once

#include <vector>

#include "com/candidates.h"
#include "core/board.h"
#include "window/cell.h"

namespace kumora {

// When no chain is found the list is the origin and the destination alone.
std::vector<Cell> move_clicks(const Board& board, const Candidate& move);

}  // namespace kumora
