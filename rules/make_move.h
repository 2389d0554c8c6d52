// Applying a decided move to the board and the hands.
#pragma once

#include "rules/position.h"

namespace kumora {

// What make_move changed besides the origin and the target cells, so that the
// window can repaint in this order: the hand that received a capture, the
// origin (painted empty), the hand the piece was dropped from, the target.
struct MoveRedraw {
  int captured = EMPTY;  // the code that stood on the target
  int capture_hand = 0;  // hand column that received it (11 lower, -1 upper), 0 if none
  int drop_hand = 0;     // hand column the piece came from, 0 for a board move
};

// Puts `piece` on the target, credits a captured piece to the captor's hand and
// empties the origin or takes the piece out of the hand.  A lower-hand origin
// is (11, hand row 3..9), an upper-hand origin (-1, hand slot 1..7).
MoveRedraw make_move(Position& position, int from_x, int from_y, int to_x, int to_y, int piece);

// Credits a captured code to its captor's hand as the unpromoted kind, slot
// and total together; a captured king enters no hand and sets `winner`.
void add_to_hand(Position& position, int code);

}  // namespace kumora
