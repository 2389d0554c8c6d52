// A set of board squares as 81 bits, square (x, y) at bit (x - 1) * 9 + (y - 1),
// so that walking the bits upward visits columns outer, rows inner.
#pragma once

#include "core/board.h"

namespace kumora {

using SquareSet = unsigned __int128;

constexpr SquareSet square_bit(int x, int y) {
  return SquareSet{1} << ((x - 1) * 9 + (y - 1));
}

constexpr bool contains(SquareSet set, int x, int y) { return (set & square_bit(x, y)) != 0; }

// Index of the lowest square of a non-empty set.
inline int lowest_square(SquareSet set) {
  const auto low = static_cast<unsigned long long>(set);
  if (low != 0) return __builtin_ctzll(low);
  return 64 + __builtin_ctzll(static_cast<unsigned long long>(set >> 64));
}

inline int square_x(int index) { return index / 9 + 1; }
inline int square_y(int index) { return index % 9 + 1; }

// The squares of column x.
constexpr SquareSet column_squares(int x) { return SquareSet{0x1FF} << ((x - 1) * 9); }

// The marked (ON) squares of a table, and back.
inline SquareSet squares_of(const BoardTable& table) {
  SquareSet set = 0;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y)
      if (table(x, y) == ON) set |= square_bit(x, y);
  return set;
}

inline void write_table(BoardTable& table, SquareSet set) {
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) table(x, y) = contains(set, x, y) ? ON : OFF;
}

}  // namespace kumora
