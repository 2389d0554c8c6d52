// A set of board squares as 81 bits, square (x, y) at bit (x - 1) * 9 + (y - 1),
// so that walking the bits upward visits columns outer, rows inner.
#pragma once

#include <cstring>

#include "rules/board.h"

namespace kumora {

using SquareSet = unsigned __int128;

constexpr SquareSet square_bit(int x, int y) { return SquareSet{1} << ((x - 1) * 9 + (y - 1)); }

namespace detail {
struct SingleSquares {
  SquareSet of[81] = {};
  constexpr SingleSquares() {
    for (int i = 0; i < 81; ++i) of[i] = SquareSet{1} << i;
  }
};
inline constexpr SingleSquares SINGLE_SQUARES{};
}  // namespace detail

// The set of the one square with set index 0..80: a load, where a shift of
// 128 bits by a variable count takes several instructions.
inline SquareSet single_square(int index) { return detail::SINGLE_SQUARES.of[index]; }

constexpr bool contains(SquareSet set, int x, int y) { return (set & square_bit(x, y)) != 0; }

// Index of the lowest square of a non-empty set.
inline int lowest_square(SquareSet set) {
  const auto low = static_cast<unsigned long long>(set);
  if (low != 0) return __builtin_ctzll(low);
  return 64 + __builtin_ctzll(static_cast<unsigned long long>(set >> 64));
}

// The number of squares in a set.  Counted with shifts and masks: without a
// target flag the compiler's popcount is a slow library call.
inline int square_count(SquareSet set) {
  auto count64 = [](unsigned long long v) {
    v = v - ((v >> 1) & 0x5555555555555555ULL);
    v = (v & 0x3333333333333333ULL) + ((v >> 2) & 0x3333333333333333ULL);
    v = (v + (v >> 4)) & 0x0F0F0F0F0F0F0F0FULL;
    return static_cast<int>((v * 0x0101010101010101ULL) >> 56);
  };
  return count64(static_cast<unsigned long long>(set)) +
         count64(static_cast<unsigned long long>(set >> 64));
}

inline int square_x(int index) { return index / 9 + 1; }
inline int square_y(int index) { return index % 9 + 1; }

// Every board square.
constexpr SquareSet ALL_SQUARES = (SquareSet{1} << 81) - 1;

// The squares of column x.
constexpr SquareSet column_squares(int x) { return SquareSet{0x1FF} << ((x - 1) * 9); }

// The marked squares of a table.
inline SquareSet squares_of(const SquareMarks& marks) {
  SquareSet set = 0;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y)
      if (marks(x, y)) set |= square_bit(x, y);
  return set;
}

// The table cell of a set index.
inline int cell_of(const BoardTable& table, int index) {
  return table.cell[square_x(index)][square_y(index)];
}

// Marks every board square of the set and unmarks the others, a column at a
// time from a table of the sixteen four-square patterns.
inline void write_marks(SquareMarks& marks, SquareSet set) {
  struct Four {
    bool cell[4];
  };
  static constexpr Four FOURS[16] = {
      {{0, 0, 0, 0}}, {{1, 0, 0, 0}}, {{0, 1, 0, 0}}, {{1, 1, 0, 0}},
      {{0, 0, 1, 0}}, {{1, 0, 1, 0}}, {{0, 1, 1, 0}}, {{1, 1, 1, 0}},
      {{0, 0, 0, 1}}, {{1, 0, 0, 1}}, {{0, 1, 0, 1}}, {{1, 1, 0, 1}},
      {{0, 0, 1, 1}}, {{1, 0, 1, 1}}, {{0, 1, 1, 1}}, {{1, 1, 1, 1}}};
  for (int x = 1; x <= 9; ++x) {
    const auto column = static_cast<unsigned>(set >> ((x - 1) * 9)) & 0x1FFu;
    std::memcpy(&marks.cell[x][1], FOURS[column & 15].cell, sizeof(Four));
    std::memcpy(&marks.cell[x][5], FOURS[(column >> 4) & 15].cell, sizeof(Four));
    marks.cell[x][9] = (column >> 8) != 0;
  }
}

}  // namespace kumora
