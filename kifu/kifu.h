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

struct Kifu {
  KifuEntry entry[RECORD_LIMIT + 1];  // 1..kifu_len used; entry 0 holds no move
  int kifu_pos = 0;
  int kifu_len = 0;
};

}  // namespace kumora
