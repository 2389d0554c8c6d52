// The in-memory move record.
#pragma once

#include "core/constants.h"

namespace kumora {

struct RecordEntry {
  int from_x = 0;
  int from_y = 0;
  int to_x = 0;
  int to_y = 0;
  int taken = 0;
  int moved = 0;
  int placed = 0;
  double lower_clock_before = 0;
  double lower_clock_after = 0;
  double upper_clock_before = 0;
  double upper_clock_after = 0;
};

// The same move: origin, destination, the piece before and after, and what
// it took; the clocks may differ.
inline bool same_move(const RecordEntry& a, const RecordEntry& b) {
  return a.from_x == b.from_x && a.from_y == b.from_y && a.to_x == b.to_x && a.to_y == b.to_y &&
         a.moved == b.moved && a.placed == b.placed && a.taken == b.taken;
}

struct MoveRecord {
  RecordEntry entry[RECORD_LIMIT + 1];  // 1..length used; entry 0 holds no move
  int shown = 0;                        // the moves up to the position shown
  int length = 0;                       // the moves recorded
};

}  // namespace kumora
