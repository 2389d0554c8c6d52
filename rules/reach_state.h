// The reach tables of one piece's chain moves and the chain path of a move.
#pragma once

#include "rules/board.h"

namespace kumora {

// Modes of build_reach_map.
// What a reach map keeps: where a real move can end, or also the origin,
// the links and the occupied squares (the coverage the computer counts).
// The runner names them 1 and 2.
enum class ReachMode { DESTINATIONS = 1, COVERAGE = 2 };
constexpr ReachMode REACH_DESTINATIONS = ReachMode::DESTINATIONS;
constexpr ReachMode REACH_COVERAGE = ReachMode::COVERAGE;

// What a flood of spread_reach is part of: the move of the piece it starts
// from, or a drop that links through that piece.
enum class Flood { BoardMove, Drop };

struct ReachState {
  SquareMarks reach_map;       // the square is reached
  SquareMarks reach_expanded;  // the own piece here has been used as a link
  int path_x[9] = {};          // chain path of the computer's last move, entry 1 = origin
  int path_y[9] = {};
  bool path_visited[9][10][10] = {};  // search marks by depth 1..8
};

}  // namespace kumora
