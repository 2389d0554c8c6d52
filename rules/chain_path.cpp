#include "rules/chain_path.h"

#include "rules/movement.h"
#include "rules/reach_map.h"

namespace kumora {

namespace {

constexpr int DEEPEST = 7;  // origin + six links + destination = 8 entries

// During the search every step is tested on an empty board: lines are never
// blocked and no target counts as an own piece.
const Board EMPTY_BOARD{};

struct PathSearch {
  ReachState& reach;
  const Board& pieces;  // the position, read for the codes of the links
  int from_x, from_y, to_x, to_y;
  int moved;
  int trail_x[9] = {};
  int trail_y[9] = {};

  bool own(int code) const { return same_owner(code, moved); }

  bool candidate(int x, int y) const {
    if (x == from_x && y == from_y) return false;  // returning to the origin is not a step
    return !visited_on_path(reach, x, y) && reach.reach_map(x, y);
  }

  void clear_marks(int depth) {
    for (int x = 0; x <= 9; ++x)
      for (int y = 0; y <= 9; ++y) reach.path_visited[depth][x][y] = false;
  }

  void publish(int entries) {
    for (int e = 1; e <= entries; ++e) {
      reach.path_x[e] = trail_x[e];
      reach.path_y[e] = trail_y[e];
    }
  }

  // Tries every next square from (x, y), which holds `code`, at `depth`.
  bool search(int depth, int x, int y, int code) {
    for (int nx = 1; nx <= 9; ++nx)
      for (int ny = 1; ny <= 9; ++ny) {
        if (depth == 1 && !own(pieces(nx, ny))) continue;
        if (!candidate(nx, ny) || !can_step(EMPTY_BOARD, x, y, nx, ny, code)) continue;
        trail_x[depth + 1] = nx;
        trail_y[depth + 1] = ny;
        if (nx == to_x && ny == to_y) {
          publish(depth + 1);
          return true;
        }
        if (depth == DEEPEST) continue;
        reach.path_visited[depth][nx][ny] = true;
        const bool found = own(pieces(nx, ny)) && search(depth + 1, nx, ny, pieces(nx, ny));
        if (found) return true;
        clear_marks(depth + 1);
      }
    return false;
  }
};

}  // namespace

bool visited_on_path(const ReachState& reach, int x, int y) {
  for (int d = 1; d <= 8; ++d)
    if (reach.path_visited[d][x][y]) return true;
  return false;
}

bool find_chain_path(ReachState& reach, const Board& board, int from_x, int from_y, int to_x,
                     int to_y, int moved) {
  build_reach_map(reach, board, from_x, from_y, REACH_COVERAGE);
  reach.path_x[1] = from_x;
  reach.path_y[1] = from_y;
  for (int d = 0; d <= 8; ++d)
    for (int x = 0; x <= 9; ++x)
      for (int y = 0; y <= 9; ++y) reach.path_visited[d][x][y] = false;

  PathSearch search{reach, board, from_x, from_y, to_x, to_y, moved};
  search.trail_x[1] = from_x;
  search.trail_y[1] = from_y;
  return search.search(1, from_x, from_y, moved);
}

}  // namespace kumora
