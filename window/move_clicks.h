// The cells a person clicks to make a move: its origin (a hand cell for a
// drop), the own pieces it links through, and its destination. The hint frames
// them in this order.
#pragma once

#include <memory>
#include <vector>

#include "core/game_state.h"
#include "rules/board.h"
#include "rules/candidates.h"
#include "window/cell.h"

namespace kumora {

// When no chain is found the list is the origin and the destination alone.
std::vector<Cell> move_clicks(const Board& board, const Candidate& move);

// Every move the side to move may make, with its hand's drops.
std::unique_ptr<CandidateList> moves_of_side_to_move(const GameState& state);

}  // namespace kumora
