// How every piece moves: the one table of step patterns, and the squares a
// piece standing on the board reaches in one step or slide, as a set (the
// same squares can_step allows if the target were empty).  Every other form
// of the patterns (the tests of a single step, the attack tables' walks) is
// derived from this table.
#pragma once

#include <array>
#include <cstdint>

#include "rules/board.h"
#include "rules/square_set.h"

namespace kumora {

// The single steps and the slide directions of one piece, as offsets on the
// board (dy grows down the screen).
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

namespace step_table {

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

// The pattern of `kind` for the side whose forward step is dy = f.
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
constexpr int PATTERN_COUNT = 2 * KIND_COUNT;

constexpr std::array<StepPattern, PATTERN_COUNT> make_patterns() {
  std::array<StepPattern, PATTERN_COUNT> patterns{};
  for (int k = 0; k < KIND_COUNT; ++k) {
    patterns[k] = make_pattern(KINDS[k], 1);
    patterns[KIND_COUNT + k] = make_pattern(KINDS[k], -1);
  }
  return patterns;
}

inline constexpr std::array<StepPattern, PATTERN_COUNT> PATTERNS = make_patterns();

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

inline constexpr std::array<std::int8_t, 2 * KING + 1> PATTERN_INDEXES = make_pattern_indexes();

inline constexpr StepPattern NO_PATTERN{};

}  // namespace step_table

// The pattern index of a piece code of either sign, 0..PATTERN_COUNT-1; -1
// for a code that is no piece.
constexpr int pattern_index(int code) {
  return code < -KING || code > KING ? -1 : step_table::PATTERN_INDEXES[code + KING];
}

// The steps and slides of a piece code of either sign; empty for a code that
// is no piece.
constexpr const StepPattern& step_pattern(int code) {
  const int p = pattern_index(code);
  return p < 0 ? step_table::NO_PATTERN : step_table::PATTERNS[p];
}

// Every square the piece `code` on (x, y) reaches: its single steps, and along
// each slide line every square up to and including the first occupied one.
// Empty for a code that is no piece.
SquareSet reach_targets(const Board& board, int x, int y, int code);

// The same for the piece on the square of set index `index`, given the
// occupied squares as a set.
SquareSet reach_targets_among(SquareSet occupied, int index, int code);

}  // namespace kumora
