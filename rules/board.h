// The board and the helpers that read piece codes.
#pragma once

#include <cstdlib>

#include "rules/pieces.h"

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

// A table of the board's shape holding small integers (attack counts, codes).
using BoardTable = Board;

// A yes/no mark for every square of the board's shape, marks(x, y); only 1..9
// are used (reach maps, guidance frames, the computer's threat maps).
struct SquareMarks {
  bool cell[10][10] = {};

  bool& operator()(int x, int y) { return cell[x][y]; }
  bool operator()(int x, int y) const { return cell[x][y]; }
  // The mark, or false outside the 1..9 square.
  bool marked(int x, int y) const { return Board::on_board(x, y) && cell[x][y]; }

  void clear() { *this = SquareMarks{}; }
  bool operator==(const SquareMarks&) const = default;
};

inline bool is_upper_piece(int code) { return code >= 10; }
inline bool is_lower_piece(int code) { return code <= -10; }
inline bool same_owner(int a, int b) { return (a >= 10 && b >= 10) || (a <= -10 && b <= -10); }

// Hand slot 1..7 of a piece kind, promoted or not (the never produced 111
// counts as a gold); 0 for a king or a code that is no piece. The one table
// of which slot a captured or dropped piece uses.
inline int hand_index(int code) {
  switch (std::abs(code)) {
    case PAWN:
    case TOKIN:
      return 1;
    case LANCE:
    case PROMOTED_LANCE:
      return 2;
    case KNIGHT:
    case PROMOTED_KNIGHT:
      return 3;
    case SILVER:
    case PROMOTED_SILVER:
      return 4;
    case GOLD:
    case PROMOTED_GOLD:
      return 5;
    case BISHOP:
    case HORSE:
      return 6;
    case ROOK:
    case DRAGON:
      return 7;
    default:
      return 0;
  }
}

// An unpromoted kind that a hand holds and drops (pawn .. rook, either side).
inline bool is_hand_kind(int code) {
  const int slot = hand_index(code);
  return slot != 0 && HAND_SLOT_CODES[slot] == std::abs(code);
}

}  // namespace kumora
