// Turning the position round: the board rotated 180 degrees with the armies
// changing owner sign, the hands swapped, the same army still to move.
#pragma once

#include "rules/position.h"

namespace kumora {

void reverse_position(Position& position);

}  // namespace kumora
