// The chain reach of a side brought up to date after one move, instead of
// built again from the board: only the moved and captured pieces and the
// sliding pieces whose lines pass the squares the move changed are looked at
// again, and the chains are followed again only when something changed.
#pragma once

#include "rules/side_reach.h"

namespace kumora {

// What a move changed on the board, by set index.
struct BoardChange {
  int from = -1;         // the origin the piece left; -1 for a drop
  int to = 0;            // the destination
  int placed = EMPTY;    // the code standing on the destination now
  int captured = EMPTY;  // the code that stood there before
};

// `after` becomes the reach of before.side once the change is made; the same
// as building it from the board after the move.
void follow_move(const SideReach& before, const BoardChange& change, SideReach& after);

}  // namespace kumora
