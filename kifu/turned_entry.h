// A record entry as it reads on the board turned round (反転): the squares
// rotated 180 degrees, the pieces changing owner sign, the hands and the
// clocks of the lower and upper player swapped. Turning twice gives the
// entry back.
#pragma once

#include "kifu/move_record.h"

namespace kumora {

RecordEntry turned_round(const RecordEntry& entry);

}  // namespace kumora
