#include "core/chain_move.h"

#include "core/movement.h"

namespace kumora {

namespace {

// A list of squares, each at most once.
struct Squares {
  bool seen[10][10] = {};
  int x[81] = {};
  int y[81] = {};
  int count = 0;

  void add(int square_x, int square_y) {
    if (seen[square_x][square_y]) return;
    seen[square_x][square_y] = true;
    x[count] = square_x;
    y[count] = square_y;
    ++count;
  }
};

// The own pieces of `piece` a click may link onto: every one but the
// origin, whose click cancels the move.
Squares own_pieces(const Board& board, int from_x, int from_y, int piece) {
  Squares own;
  for (int x = 1; x <= 9; ++x) {
    for (int y = 1; y <= 9; ++y) {
      if (same_owner(piece, board(x, y)) && !(x == from_x && y == from_y)) own.add(x, y);
    }
  }
  return own;
}

}  // namespace

bool chain_move_reaches(const Board& board, int from_x, int from_y, int to_x, int to_y, int piece) {
  if (!Board::on_board(to_x, to_y) || (to_x == from_x && to_y == from_y)) return false;
  const Squares own = own_pieces(board, from_x, from_y, piece);
  Squares links;
  auto link_from = [&](int x, int y, int code) {
    for (int i = 0; i < own.count; ++i) {
      if (can_step_onto_own(board, x, y, own.x[i], own.y[i], code) == ON)
        links.add(own.x[i], own.y[i]);
    }
  };
  link_from(from_x, from_y, piece);  // the first click only links
  for (int i = 0; i < links.count; ++i) {
    const int x = links.x[i];
    const int y = links.y[i];
    // From a link a click ends the move on any square the piece there steps to.
    if (can_step(board, x, y, to_x, to_y, board(x, y)) == ON) return true;
    link_from(x, y, board(x, y));
  }
  return false;
}

}  // namespace kumora
