// The attack tables against a plain per-square reading of the same rules, on
// random boards: for every piece and every square, does the piece reach it,
// with which recorded code, and may that move write the defender or attacker?
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <random>

#include "analysis/analyze_board.h"

namespace kumora {
namespace {

struct Move {
  bool reaches = false;
  int code = 0;              // recorded code
  bool defends = false;      // may write upper_defender (lower moves always may)
  bool attacks = false;      // may write upper_attacker
  bool with_square = false;  // writes the upper square tables
};

bool is_gold_like(int kind) {
  return kind == GOLD || kind == TOKIN || kind == PROMOTED_LANCE || kind == PROMOTED_KNIGHT ||
         kind == PROMOTED_SILVER;
}

// Single steps in the upper player's orientation (forward is dy = +1).
bool has_step(int kind, int dx, int dy) {
  const int ax = std::abs(dx), ay = std::abs(dy);
  switch (kind) {
    case PAWN:
      return dx == 0 && dy == 1;
    case KNIGHT:
      return ax == 1 && dy == 2;
    case SILVER:
      return (ax <= 1 && dy == 1) || (ax == 1 && dy == -1);
    case KING:
      return ax <= 1 && ay <= 1 && (ax + ay) > 0;
    case HORSE:
      return ax + ay == 1;
    case DRAGON:
      return ax == 1 && ay == 1;
    default:
      return is_gold_like(kind) &&
             ((ax <= 1 && dy == 1) || (ay == 0 && ax == 1) || (dx == 0 && dy == -1));
  }
}

bool has_line(int kind, int ux, int uy) {
  const bool diagonal = ux != 0 && uy != 0;
  switch (kind) {
    case LANCE:
      return ux == 0 && uy == 1;
    case BISHOP:
    case HORSE:
      return diagonal;
    case ROOK:
    case DRAGON:
      return !diagonal;
    default:
      return false;
  }
}

// Every square strictly between is empty or holds the king the line passes.
bool line_open(const Board& board, int x, int y, int ux, int uy, int steps, int passable) {
  for (int k = 1; k < steps; ++k) {
    const int held = board(x + k * ux, y + k * uy);
    if (held != EMPTY && held != passable) return false;
  }
  return true;
}

Move move_of(const Board& board, int x, int y, int tx, int ty) {
  const int c = board(x, y);
  const int kind = std::abs(c);
  const int f = c < 0 ? -1 : 1;
  const int dx = tx - x, dy = (ty - y) * f;  // dy in the upper orientation
  Move m;
  const int n = std::max(std::abs(dx), std::abs(dy));
  const bool on_ray = (dx == 0 || dy == 0 || std::abs(dx) == std::abs(dy));
  bool by_line = false;
  if (has_step(kind, dx, dy)) {
    m.reaches = true;
  } else if (n > 0 && on_ray && has_line(kind, dx / n, dy / n) &&
             line_open(board, x, y, dx / n, (ty - y) / n, n, -c / kind * KING)) {
    m.reaches = by_line = true;
  }
  if (!m.reaches) return m;
  m.code = c;
  if (c == -HORSE && by_line) m.code = -BISHOP;
  if (c > 0 && is_gold_like(kind)) m.code = GOLD;
  if (c > 0) {
    const bool horse_step = kind == HORSE && !by_line;
    m.defends = !horse_step;
    m.attacks = kind == PAWN || kind == LANCE || kind == BISHOP || kind == ROOK || kind == DRAGON ||
                (kind == HORSE && by_line);
    m.with_square = !horse_step && kind != PAWN && kind != KING && !is_gold_like(kind);
  }
  return m;
}

constexpr int CODES[] = {PAWN,
                         LANCE,
                         KNIGHT,
                         SILVER,
                         GOLD,
                         TOKIN,
                         PROMOTED_LANCE,
                         PROMOTED_KNIGHT,
                         PROMOTED_SILVER,
                         BISHOP,
                         HORSE,
                         ROOK,
                         DRAGON,
                         KING,
                         PROMOTED_GOLD};

Board random_board(std::mt19937& rng) {
  Board board;
  std::uniform_int_distribution<int> fill(10, 60);
  std::uniform_int_distribution<int> code(0, std::size(CODES) - 1);
  std::uniform_int_distribution<int> square(1, 9);
  const int pieces = fill(rng);
  for (int k = 0; k < pieces; ++k) {
    const int c = CODES[code(rng)];
    board(square(rng), square(rng)) = (rng() & 1) ? c : -c;
  }
  return board;
}

struct Expected {
  int lower_count = 0, upper_count = 0;
  int lower_defender = 999, lower_attacker = -999, upper_defender = 999, upper_attacker = 999;
  int lower_attacker_x = 0, lower_attacker_y = 0;
  int upper_defender_x = -1, upper_defender_y = -1;  // -1: no square to check
};

Expected expected_at(const Board& board, int tx, int ty) {
  Expected e;
  const int held = board(tx, ty);
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) {
      if (board(x, y) == EMPTY || (x == tx && y == ty)) continue;
      const Move m = move_of(board, x, y, tx, ty);
      if (!m.reaches) continue;
      if (m.code < 0) {
        ++e.lower_count;
        if (held < 0) e.lower_defender = std::min(e.lower_defender, m.code);
        if (held > 0 && m.code > e.lower_attacker) {
          e.lower_attacker = m.code;
          e.lower_attacker_x = x;
          e.lower_attacker_y = y;
        }
      } else {
        ++e.upper_count;
        if (held > 0 && m.defends && m.code < e.upper_defender) {
          e.upper_defender = m.code;
          e.upper_defender_x = m.with_square ? x : -1;
          e.upper_defender_y = m.with_square ? y : -1;
        }
        if (held < 0 && m.attacks) e.upper_attacker = std::min(e.upper_attacker, m.code);
      }
    }
  return e;
}

TEST(AttackOracle, TablesMatchThePlainReadingOnRandomBoards) {
  std::mt19937 rng(4242);
  for (int n = 0; n < 3000; ++n) {
    GameState state;
    state.board = random_board(rng);
    AttackTables tables;
    analyze_board(state, tables);
    for (int x = 1; x <= 9; ++x)
      for (int y = 1; y <= 9; ++y) {
        const Expected e = expected_at(state.board, x, y);
        SCOPED_TRACE(::testing::Message() << "board " << n << " square " << x << "," << y);
        ASSERT_EQ(tables.lower_attack_count(x, y), e.lower_count);
        ASSERT_EQ(tables.upper_attack_count(x, y), e.upper_count);
        ASSERT_EQ(tables.lower_defender(x, y), e.lower_defender);
        ASSERT_EQ(tables.lower_attacker(x, y), e.lower_attacker);
        ASSERT_EQ(tables.lower_attacker_x(x, y), e.lower_attacker_x);
        ASSERT_EQ(tables.lower_attacker_y(x, y), e.lower_attacker_y);
        ASSERT_EQ(tables.upper_defender(x, y), e.upper_defender);
        ASSERT_EQ(tables.upper_attacker(x, y), e.upper_attacker);
        if (e.upper_defender_x >= 0) {
          ASSERT_EQ(tables.upper_defender_x(x, y), e.upper_defender_x);
          ASSERT_EQ(tables.upper_defender_y(x, y), e.upper_defender_y);
        }
      }
  }
}

}  // namespace
}  // namespace kumora
