#include "kifu/turned_entry.h"

#include <utility>

#include "core/constants.h"
#include "rules/board.h"

namespace kumora {

RecordEntry turned_round(const RecordEntry& entry) {
  RecordEntry turned = entry;
  if (Board::on_board(entry.from_x, entry.from_y)) {
    turned.from_x = 10 - entry.from_x;
  } else {
    turned.from_x = entry.from_x == LOWER_HAND_COLUMN ? UPPER_HAND_COLUMN : LOWER_HAND_COLUMN;
  }
  // For a drop too: the lower hand's rows 3..9 hold the kinds the upper
  // hand's rows 7..1 hold.
  turned.from_y = 10 - entry.from_y;
  turned.to_x = 10 - entry.to_x;
  turned.to_y = 10 - entry.to_y;
  turned.moved = -entry.moved;
  turned.placed = -entry.placed;
  turned.taken = -entry.taken;
  std::swap(turned.lower_clock_before, turned.upper_clock_before);
  std::swap(turned.lower_clock_after, turned.upper_clock_after);
  return turned;
}

}  // namespace kumora
