// A candidate packed into 16 bits for the transposition table: origin square
// 0..80 or 81..87 for hand slots 1..7, destination 0..80, and whether the
// piece promotes.  0 is no move (no candidate packs to 0: origin and
// destination always differ).
#pragma once

#include <cstdint>

#include "rules/candidates.h"

namespace kumora {

inline int origin_number(const Candidate& move) {
  return move.is_drop() ? 80 + drop_slot(move) : (move.from_x - 1) * 9 + (move.from_y - 1);
}

inline int destination_number(const Candidate& move) {
  return (move.to_x - 1) * 9 + (move.to_y - 1);
}

inline std::uint16_t move_code(const Candidate& move) {
  return static_cast<std::uint16_t>(origin_number(move) << 8 | destination_number(move) << 1 |
                                    (move.placed != move.moved ? 1 : 0));
}

}  // namespace kumora
