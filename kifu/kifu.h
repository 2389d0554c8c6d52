// The in-memory move record.
#pragma once

#include "core/constants.h"

namespace kumora {

struct KifuEntry {
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
inline bool same_move(const KifuEntry& a, const KifuEntry& b) {
  return a.from_x == b.from_x && a.from_y == b.from_y && a.to_x == b.to_x && a.to_y == b.to_y &&
         a.moved == b.moved && a.placed == b.placed && a.taken == b.taken;
}

struct Kifu {
  KifuEntry entry[RECORD_LIMIT + 1];  // 1..kifu_len used; entry 0 holds no move
  int kifu_pos = 0;
  int kifu_len = 0;
};

}  // namespace kumora
