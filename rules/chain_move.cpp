#include "rules/chain_move.h"

#include "rules/movement.h"

namespace kumora {

namespace {

// Squares as x * 10 + y, each listed at most once.
class SquareList {
 public:
  void add(int x, int y) {
    const int square = x * 10 + y;
    if (listed_[square]) return;
    listed_[square] = true;
    squares_[count_++] = square;
  }
  int count() const { return count_; }
  int x(int i) const { return squares_[i] / 10; }
  int y(int i) const { return squares_[i] % 10; }

 private:
  bool listed_[100] = {};
  int squares_[81];
  int count_ = 0;
};

}  // namespace

bool chain_move_reaches(const Board& board, int from_x, int from_y, int to_x, int to_y, int piece) {
  if (!Board::on_board(to_x, to_y) || (to_x == from_x && to_y == from_y)) return false;
  // The own pieces a click may link onto: all but the origin, whose click
  // cancels the move.
  SquareList own;
  for (int x = 1; x <= 9; ++x) {
    for (int y = 1; y <= 9; ++y) {
      if (same_owner(piece, board(x, y)) && !(x == from_x && y == from_y)) own.add(x, y);
    }
  }
  SquareList links;
  auto link_from = [&](int x, int y, int code) {
    for (int i = 0; i < own.count(); ++i) {
      if (can_step_onto_own(board, x, y, own.x(i), own.y(i), code)) {
        links.add(own.x(i), own.y(i));
      }
    }
  };
  link_from(from_x, from_y, piece);  // the first click only links
  for (int i = 0; i < links.count(); ++i) {
    const int x = links.x(i);
    const int y = links.y(i);
    // From a link a click ends the move on any square the piece there steps to.
    if (can_step(board, x, y, to_x, to_y, board(x, y))) return true;
    link_from(x, y, board(x, y));
  }
  return false;
}

}  // namespace kumora
