#include "rules/step_patterns.h"

#include <array>
#include <cstdint>

namespace kumora {

namespace {

struct StepPattern {
  int step_count = 0;
  int step_dx[8] = {};
  int step_dy[8] = {};
  int ray_count = 0;
  int ray_dx[4] = {};
  int ray_dy[4] = {};

  constexpr void add_step(int dx, int dy) {
    step_dx[step_count] = dx;
    step_dy[step_count] = dy;
    ++step_count;
  }
  constexpr void add_ray(int dx, int dy) {
    ray_dx[ray_count] = dx;
    ray_dy[ray_count] = dy;
    ++ray_count;
  }
};

// Kinds in the order of the pattern table; the lower player's are mirrored.
constexpr int KINDS[] = {
    PAWN,   LANCE, KNIGHT, SILVER, GOLD, TOKIN, PROMOTED_LANCE, PROMOTED_KNIGHT, PROMOTED_SILVER,
    BISHOP, HORSE, ROOK,   DRAGON, KING};
constexpr int KIND_COUNT = sizeof(KINDS) / sizeof(KINDS[0]);

constexpr void add_gold_steps(StepPattern& p, int f) {
  p.add_step(-1, f);
  p.add_step(0, f);
  p.add_step(1, f);
  p.add_step(-1, 0);
  p.add_step(1, 0);
  p.add_step(0, -f);
}

constexpr StepPattern make_pattern(int kind, int f) {
  StepPattern p;
  switch (kind) {
    case PAWN:
      p.add_step(0, f);
      break;
    case LANCE:
      p.add_ray(0, f);
      break;
    case KNIGHT:
      p.add_step(-1, 2 * f);
      p.add_step(1, 2 * f);
      break;
    case SILVER:
      p.add_step(-1, f);
      p.add_step(0, f);
      p.add_step(1, f);
      p.add_step(-1, -f);
      p.add_step(1, -f);
      break;
    case GOLD:
    case TOKIN:
    case PROMOTED_LANCE:
    case PROMOTED_KNIGHT:
    case PROMOTED_SILVER:
      add_gold_steps(p, f);
      break;
    case HORSE:
      p.add_step(0, 1);
      p.add_step(0, -1);
      p.add_step(1, 0);
      p.add_step(-1, 0);
      [[fallthrough]];
    case BISHOP:
      p.add_ray(1, 1);
      p.add_ray(1, -1);
      p.add_ray(-1, 1);
      p.add_ray(-1, -1);
      break;
    case DRAGON:
      p.add_step(1, 1);
      p.add_step(1, -1);
      p.add_step(-1, 1);
      p.add_step(-1, -1);
      [[fallthrough]];
    case ROOK:
      p.add_ray(0, 1);
      p.add_ray(0, -1);
      p.add_ray(1, 0);
      p.add_ray(-1, 0);
      break;
    case KING:
      for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
          if (dx != 0 || dy != 0) p.add_step(dx, dy);
      break;
    default:
      break;
  }
  return p;
}

// Pattern index: upper kinds 0..KIND_COUNT-1, lower kinds after them.
constexpr std::array<StepPattern, 2 * KIND_COUNT> make_patterns() {
  std::array<StepPattern, 2 * KIND_COUNT> patterns{};
  for (int k = 0; k < KIND_COUNT; ++k) {
    patterns[k] = make_pattern(KINDS[k], 1);
    patterns[KIND_COUNT + k] = make_pattern(KINDS[k], -1);
  }
  return patterns;
}

constexpr auto PATTERNS = make_patterns();

// Pattern index of every code from -KING to KING; -1 for a code that is no piece.
constexpr std::array<std::int8_t, 2 * KING + 1> make_pattern_indexes() {
  std::array<std::int8_t, 2 * KING + 1> indexes{};
  for (auto& index : indexes) index = -1;
  for (int k = 0; k < KIND_COUNT; ++k) {
    indexes[KING + KINDS[k]] = static_cast<std::int8_t>(k);
    indexes[KING - KINDS[k]] = static_cast<std::int8_t>(KIND_COUNT + k);
  }
  return indexes;
}

constexpr std::array<std::int8_t, 2 * KING + 1> PATTERN_INDEXES = make_pattern_indexes();

int pattern_index(int code) {
  return code < -KING || code > KING ? -1 : PATTERN_INDEXES[code + KING];
}

// The single-step squares of every pattern from every square.
struct StepTable {
  SquareSet steps[2 * KIND_COUNT][10][10] = {};
};

constexpr StepTable make_step_table() {
  StepTable table;
  for (int p = 0; p < 2 * KIND_COUNT; ++p)
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
