// A move of the record in the notation players know: "▲７六歩",
// "△同　角", "▲５五歩打", "▲２二角成", "△３七桂不成".
#pragma once

#include <string>

#include "kifu/move_record.h"

namespace kumora {

// The piece as the notation names it: 歩 香 桂 銀 金 角 飛 王, and と 成香
// 成桂 成銀 馬 竜 for the promoted kinds; empty for a code that is no piece.
std::string notation_piece_name(int code);

// Entry `index` (1..length) of the record: ▲ when the side that moved
// first (先手) made it, △ otherwise; the destination, or "同" when it is the
// previous move's; the piece before the move; "打" for a drop, "成" when it
// promoted, "不成" when it could have and did not.
std::string move_notation(const MoveRecord& record, int index, bool sente_is_lower);

}  // namespace kumora
