#include "rules/movement.h"

#include <cstdint>
#include <cstdlib>

#include "rules/step_patterns.h"

namespace kumora {

namespace {

// Walks from the origin toward the target by (step_x, step_y) and answers
// whether every square strictly between is empty.
bool squares_between_empty(const Board& board, int from_x, int from_y, int to_x, int to_y) {
  const int step_x = (to_x > from_x) - (to_x < from_x);
  const int step_y = (to_y > from_y) - (to_y < from_y);
  int x = from_x + step_x;
  int y = from_y + step_y;
  while (x != to_x || y != to_y) {
    if (board.at_or_empty(x, y) != EMPTY) return false;
    x += step_x;
    y += step_y;
  }
  return true;
}

// Drop restrictions of the last rows; the target is already known to be empty.
bool drop_allowed(int to_y, int piece) {
  switch (piece) {
    case -PAWN:
    case -LANCE:
      return to_y != 1;
    case PAWN:
    case LANCE:
      return to_y != 9;
    case -KNIGHT:
      return to_y > 2;
    case KNIGHT:
      return to_y < 8;
    default:
      return std::abs(piece) >= 10;
  }
}

// How a piece reaches an offset (dx, dy), each -9..9, derived from the step
// patterns: not at all, by a single step, or by a slide whose squares between
// must be empty.
enum OffsetReach : std::uint8_t { NOT_REACHED, BY_STEP, BY_SLIDE };

constexpr int MAX_OFFSET = 9;
constexpr int OFFSETS = 2 * MAX_OFFSET + 1;

struct OffsetTable {
  OffsetReach reach[step_table::PATTERN_COUNT][OFFSETS][OFFSETS] = {};
};

constexpr OffsetTable make_offset_table() {
  OffsetTable table;
  for (int p = 0; p < step_table::PATTERN_COUNT; ++p) {
    const StepPattern& pattern = step_table::PATTERNS[p];
    for (int r = 0; r < pattern.ray_count; ++r)
      for (int k = 1; k <= MAX_OFFSET; ++k)
        table.reach[p][MAX_OFFSET + k * pattern.ray_dx[r]][MAX_OFFSET + k * pattern.ray_dy[r]] =
            BY_SLIDE;
    for (int s = 0; s < pattern.step_count; ++s)
      table.reach[p][MAX_OFFSET + pattern.step_dx[s]][MAX_OFFSET + pattern.step_dy[s]] = BY_STEP;
  }
  return table;
}

constexpr OffsetTable OFFSET_TABLE = make_offset_table();

bool board_step(const Board& board, int from_x, int from_y, int to_x, int to_y, int piece) {
  const int p = pattern_index(piece);
  const int dx = to_x - from_x;
  const int dy = to_y - from_y;
  if (p < 0 || std::abs(dx) > MAX_OFFSET || std::abs(dy) > MAX_OFFSET) return false;
  switch (OFFSET_TABLE.reach[p][MAX_OFFSET + dx][MAX_OFFSET + dy]) {
    case BY_STEP:
      return true;
    case BY_SLIDE:
      return squares_between_empty(board, from_x, from_y, to_x, to_y);
    default:
      return false;
  }
}

}  // namespace

bool orthogonal_path_clear(const Board& board, int from_x, int from_y, int to_x, int to_y) {
  if (from_x != to_x && from_y != to_y) return false;
  return squares_between_empty(board, from_x, from_y, to_x, to_y);
}

bool diagonal_path_clear(const Board& board, int from_x, int from_y, int to_x, int to_y) {
  const int dx = to_x - from_x;
  const int dy = to_y - from_y;
  if (dy != dx && dy != -dx) return false;
  return squares_between_empty(board, from_x, from_y, to_x, to_y);
}

bool can_step_with_target(const Board& board, int from_x, int from_y, int to_x, int to_y, int piece,
                          int target_code) {
  if (!Board::on_board(to_x, to_y) || (to_x == from_x && to_y == from_y)) return false;
  if (same_owner(piece, target_code)) return false;
  if (is_hand_column(from_x)) {
    if (target_code != EMPTY) return false;
    return drop_allowed(to_y, piece);
  }
  return board_step(board, from_x, from_y, to_x, to_y, piece);
}

bool can_step(const Board& board, int from_x, int from_y, int to_x, int to_y, int piece) {
  return can_step_with_target(board, from_x, from_y, to_x, to_y, piece,
                              board.at_or_empty(to_x, to_y));
}

bool can_step_onto_own(const Board& board, int from_x, int from_y, int to_x, int to_y, int piece) {
  const int target = board.at_or_empty(to_x, to_y);
  if ((piece >= 10 && target <= 0) || (piece <= -10 && target >= 0)) return false;
  return can_step_with_target(board, from_x, from_y, to_x, to_y, piece, EMPTY);
}

bool can_step_or_chain(const Board& board, int from_x, int from_y, int to_x, int to_y, int piece,
                       int chain_count) {
  if (chain_count > 0 && can_step(board, from_x, from_y, to_x, to_y, piece)) return true;
  return can_step_onto_own(board, from_x, from_y, to_x, to_y, piece);
}

}  // namespace kumora
