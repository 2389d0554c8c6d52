#include "tests/support/literal_reach.h"

#include "rules/drops_promotion.h"
#include "rules/movement.h"

namespace kumora::literal {

namespace {

int sweep(ReachState& reach, const Board& board, int x, int y, int piece, Flood flood) {
  int count = 0;
  for (int i = 1; i <= 9; ++i)
    for (int j = 1; j <= 9; ++j) {
      const int v = board(i, j);
      if (!same_owner(v, piece) || reach.reach_expanded(i, j) || !reach.reach_map(i, j)) continue;
      const int link = (flood == Flood::Drop || i != x || j != y) ? 1 : 0;
      for (int k = 1; k <= 9; ++k)
        for (int l = 1; l <= 9; ++l) {
          if (k == i && l == j) continue;
          if (can_step_or_chain(board, i, j, k, l, v, link)) {
            reach.reach_map(k, l) = true;
            reach.reach_expanded(i, j) = true;
            count += 1;
          }
        }
    }
  return count;
}

}  // namespace

void spread_reach(ReachState& reach, const Board& board, int x, int y, int piece, Flood flood,
                  ReachMode mode) {
  reach.reach_map(x, y) = true;
  while (sweep(reach, board, x, y, piece, flood) > 0) {
  }
  if (mode == REACH_COVERAGE) return;
  for (int i = 1; i <= 9; ++i)
    for (int j = 1; j <= 9; ++j) {
      if (same_owner(board(i, j), piece)) reach.reach_map(i, j) = false;
      if (flood == Flood::Drop && board(i, j) != EMPTY) reach.reach_map(i, j) = false;
    }
  if (piece == 10 || piece == -10) {
    for (int i = 1; i <= 9; ++i)
      for (int j = 1; j <= 9; ++j)
        if (reach.reach_map(i, j) && second_pawn_in_file(board, x, i, piece))
          reach.reach_map(i, j) = false;
  }
}

void build_reach_map(ReachState& reach, const Board& board, int x, int y, ReachMode mode) {
  for (int i = 1; i <= 9; ++i)
    for (int j = 1; j <= 9; ++j) {
      reach.reach_map(i, j) = false;
      reach.reach_expanded(i, j) = false;
    }
  if (x < 1) {
    for (int i = 1; i <= 9; ++i)
      for (int j = 1; j <= 9; ++j)
        if (board(i, j) >= 10) spread_reach(reach, board, i, j, board(i, j), Flood::Drop, mode);
  } else if (x > 9) {
    for (int i = 1; i <= 9; ++i)
      for (int j = 1; j <= 9; ++j)
        if (board(i, j) <= -10) spread_reach(reach, board, i, j, board(i, j), Flood::Drop, mode);
  } else {
    spread_reach(reach, board, x, y, board(x, y), Flood::BoardMove, mode);
  }
}

}  // namespace kumora::literal
