#include "core/chain_move.h"

#include "core/movement.h"

namespace kumora {

namespace {

// The links found so far, each own piece once, in the order found.
struct Links {
  bool seen[10][10] = {};
  int x[81] = {};
  int y[81] = {};
  int count = 0;

  void add(int link_x, int link_y) {
    if (seen[link_x][link_y]) return;
    seen[link_x][link_y] = true;
    x[count] = link_x;
    y[count] = link_y;
    ++count;
  }
};

struct ChainSearch {
  const Board& board;
  int from_x, from_y, to_x, to_y;
  Links links;

  // One click from (x, y) with `code`: adds the own pieces it may link onto
  // and answers whether it may end on the target.
  bool click_from(int x, int y, int code, int chain_count) {
    for (int tx = 1; tx <= 9; ++tx) {
      for (int ty = 1; ty <= 9; ++ty) {
        if (tx == from_x && ty == from_y) continue;
        if (can_step_or_chain(board, x, y, tx, ty, code, chain_count) == OFF) continue;
        if (same_owner(code, board(tx, ty))) {
          links.add(tx, ty);
        } else if (tx == to_x && ty == to_y) {
          return true;
        }
      }
    }
    return false;
  }
};

}  // namespace

bool chain_move_reaches(const Board& board, int from_x, int from_y, int to_x, int to_y,
                        int piece) {
  if (!Board::on_board(to_x, to_y)) return false;
  ChainSearch search{board, from_x, from_y, to_x, to_y, {}};
  search.click_from(from_x, from_y, piece, 0);  // the first click only links
  for (int i = 0; i < search.links.count; ++i) {
    const int x = search.links.x[i];
    const int y = search.links.y[i];
    if (search.click_from(x, y, board(x, y), 1)) return true;
  }
  return false;
}

}  // namespace kumora
