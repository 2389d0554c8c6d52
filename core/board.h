// The board and the helpers that read piece codes.
#pragma once

#include <cstdlib>

#include "core/constants.h"

namespace kumora {

// 10 x 10 table of piece codes, board(x, y): x = column from the left of the
// screen, y = row from the top; only 1..9 are used, index 0 stays EMPTY.
struct Board {
  int cell[10][10] = {};

  int& operator()(int x, int y) { return cell[x][y]; }
  int operator()(int x, int y) const { return cell[x][y]; }

  // The entry, or EMPTY (0) outside the 1..9 square: the one off-board read
  // of the board and of every table of its shape.
  int at_or_empty(int x, int y) const { return on_board(x, y) ? cell[x][y] : EMPTY; }

  static constexpr bool on_board(int x, int y) { return x >= 1 && x <= 9 && y >= 1 && y <= 9; }

  void clear() { *this = Board{}; }
  bool operator==(const Board&) const = default;
};

// A table of the board's shape holding small integers (reach maps, attack tables).
using BoardTable = Board;

inline bool is_upper_piece(int code) { return code >= 10; }
inline bool is_lower_piece(int code) { return code <= -10; }
inline bool same_owner(int a, int b) {
  return (a >= 10 && b >= 10) || (a <= -10 && b <= -10);
}

// Hand index 1..7 of a piece kind (promoted or not); 0 for a king or non-piece.
inline int hand_index(int code) {
  switch (std::abs(code)) {
    case 10: case 11: return 1;
    case 20: case 21: return 2;
    case 30: case 31: return 3;
    case 100: case 101: return 4;
    case 110: return 5;
    case 800: case 801: return 6;
    case 900: case 901: return 7;
    default: return 0;
  }
}

}  // namespace kumora
