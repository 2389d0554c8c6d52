// A record entry as it reads on the board turned round (反転): the squares
// rotated 180 degrees, the pieces changing owner sign, the hands and the
// clocks of the lower and upper player swapped. Turning twice gives the
// entry back.
#pragma once

#include "kifu/kifu.h"

namespace kumora {

KifuEntry turned_round(const KifuEntry& entry);

}  // namespace kumora
