// The reach tables of one piece's chain moves and the chain path of a move.
#pragma once

#include "rules/board.h"

namespace kumora {

// Modes of build_reach_map.
constexpr int REACH_DESTINATIONS = 1;  // where a real move can end
constexpr int REACH_COVERAGE = 2;      // also keeps the origin, the links and occupied squares

struct ReachState {
  BoardTable reach_map;       // ON: the square is reached
  BoardTable reach_expanded;  // ON: the own piece here has been used as a link
  int path_x[9] = {};         // chain path of the computer's last move, entry 1 = origin
  int path_y[9] = {};
  int path_visited[9][10][10] = {};  // search marks by depth 1..8
};

}  // namespace kumora
