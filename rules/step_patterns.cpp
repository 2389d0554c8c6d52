#include "rules/step_patterns.h"

namespace kumora {

namespace {

using step_table::PATTERN_COUNT;
using step_table::PATTERNS;

// The single-step squares of every pattern from every square.
struct StepTable {
  SquareSet steps[PATTERN_COUNT][10][10] = {};
};

constexpr StepTable make_step_table() {
  StepTable table;
  for (int p = 0; p < PATTERN_COUNT; ++p)
    for (int x = 1; x <= 9; ++x)
      for (int y = 1; y <= 9; ++y)
        for (int s = 0; s < PATTERNS[p].step_count; ++s) {
          const int tx = x + PATTERNS[p].step_dx[s];
          const int ty = y + PATTERNS[p].step_dy[s];
          if (Board::on_board(tx, ty)) table.steps[p][x][y] |= square_bit(tx, ty);
        }
  return table;
}

constexpr StepTable STEP_TABLE = make_step_table();

// The squares beyond each square along each slide direction, to the edge.
struct RayTable {
  SquareSet beyond[3][3][81] = {};  // [dx + 1][dy + 1][index]
};

constexpr RayTable make_ray_table() {
  RayTable table;
  for (int dx = -1; dx <= 1; ++dx)
    for (int dy = -1; dy <= 1; ++dy)
      for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
          for (int tx = x + dx, ty = y + dy; (dx != 0 || dy != 0) && Board::on_board(tx, ty);
               tx += dx, ty += dy)
            table.beyond[dx + 1][dy + 1][(x - 1) * 9 + (y - 1)] |= square_bit(tx, ty);
  return table;
}

constexpr RayTable RAY_TABLE = make_ray_table();

int highest_square(SquareSet set) {
  const auto high = static_cast<unsigned long long>(set >> 64);
  if (high != 0) return 127 - __builtin_clzll(high);
  return 63 - __builtin_clzll(static_cast<unsigned long long>(set));
}

// The squares of one slide up to and including the first occupied one.  Set
// indexes grow along a direction whose step 9 dx + dy is positive.
SquareSet slide(SquareSet occupied, int index, int dx, int dy) {
  const SquareSet(&beyond)[81] = RAY_TABLE.beyond[dx + 1][dy + 1];
  const SquareSet line = beyond[index];
  const SquareSet blockers = line & occupied;
  if (blockers == 0) return line;
  const int first = 9 * dx + dy > 0 ? lowest_square(blockers) : highest_square(blockers);
  return line & ~beyond[first];
}

}  // namespace

SquareSet reach_targets_among(SquareSet occupied, int index, int code) {
  const int p = pattern_index(code);
  if (p < 0) return 0;
  const int x = square_x(index), y = square_y(index);
  SquareSet targets = STEP_TABLE.steps[p][x][y];
  const StepPattern& pattern = PATTERNS[p];
  for (int r = 0; r < pattern.ray_count; ++r)
    targets |= slide(occupied, index, pattern.ray_dx[r], pattern.ray_dy[r]);
  return targets;
}

SquareSet reach_targets(const Board& board, int x, int y, int code) {
  const int p = pattern_index(code);
  if (p < 0 || !Board::on_board(x, y)) return 0;
  SquareSet targets = STEP_TABLE.steps[p][x][y];
  const StepPattern& pattern = PATTERNS[p];
  for (int r = 0; r < pattern.ray_count; ++r) {
    int tx = x + pattern.ray_dx[r];
    int ty = y + pattern.ray_dy[r];
    while (Board::on_board(tx, ty)) {
      targets |= square_bit(tx, ty);
      if (board(tx, ty) != EMPTY) break;
      tx += pattern.ray_dx[r];
      ty += pattern.ray_dy[r];
    }
  }
  return targets;
}

}  // namespace kumora
