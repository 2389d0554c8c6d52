#include "analysis/analyze_board.h"

#include <algorithm>
#include <array>
#include <utility>

#include "analysis/table_recorder.h"
#include "rules/step_patterns.h"

namespace kumora {

namespace {

constexpr int NOTHING_DEFENDS = 999;
constexpr int NOTHING_ATTACKS_LOWER = -999;
constexpr int NOTHING_ATTACKS_UPPER = 999;

// Writes `value` on squares 1..9 x 1..9; row 0 and column 0 are never touched.
void fill_board_squares(BoardTable& table, int value) {
  for (int x = 1; x <= 9; ++x) std::fill_n(&table.cell[x][1], 9, value);
}

void reset_tables(AttackTables& t) {
  fill_board_squares(t.lower_attack_count, 0);
  fill_board_squares(t.upper_attack_count, 0);
  fill_board_squares(t.lower_attacker_x, 0);
  fill_board_squares(t.lower_attacker_y, 0);
  fill_board_squares(t.lower_attacker, NOTHING_ATTACKS_LOWER);
  fill_board_squares(t.lower_defender, NOTHING_DEFENDS);
  fill_board_squares(t.upper_defender, NOTHING_DEFENDS);
  fill_board_squares(t.upper_attacker, NOTHING_ATTACKS_UPPER);
  // The upper defender and attacker squares carry over on purpose.
}

constexpr bool is_gold_mover(int code) {
  return code == GOLD || code == TOKIN || code == PROMOTED_LANCE || code == PROMOTED_KNIGHT ||
         code == PROMOTED_SILVER;
}

// The code a single step records: an upper gold-like piece counts as a gold.
constexpr int step_code(int code) { return is_gold_mover(code) ? GOLD : code; }

// The code a slide records: the lower horse's diagonals count as a bishop's.
constexpr int line_code(int code) { return code == -HORSE ? -BISHOP : code; }

// What a single step of an upper piece may write besides the count.
constexpr unsigned upper_step_records(int code) {
  switch (code) {
    case PAWN:
      return DEFENCE | ATTACK;
    case KNIGHT:
    case SILVER:
      return DEFENCE | DEFENCE_SQUARE;
    case HORSE:
      return COUNT_ONLY;
    case DRAGON:
      return EVERYTHING;
    default:
      return DEFENCE;
  }
}

// Writes the squares one piece reaches into the tables.
class PieceWalker {
 public:
  explicit PieceWalker(TableRecorder& recorder) : rec_(recorder), board_(recorder.board()) {}

  // A lower piece's step records everything.
  void lower_step(int x, int y, int dx, int dy, int r) {
    const int sx = x + dx, sy = y + dy;
    if (Board::on_board(sx, sy)) rec_.reach_lower(x, y, sx, sy, r);
  }
  void upper_step(int x, int y, int dx, int dy, int r, unsigned records) {
    const int sx = x + dx, sy = y + dy;
    if (Board::on_board(sx, sy)) rec_.reach_upper(x, y, sx, sy, r, records);
  }

  // A line goes on behind the opposing king and ends on any other piece.
  void line(int code, int x, int y, int dx, int dy) {
    const int opposing_king = code < 0 ? KING : -KING;
    for (int sx = x + dx, sy = y + dy; Board::on_board(sx, sy); sx += dx, sy += dy) {
      rec_.reach(x, y, sx, sy, code);
      const int held = board_(sx, sy);
      if (held != EMPTY && held != opposing_king) break;
    }
  }

 private:
  TableRecorder& rec_;
  const Board& board_;
};

// The step pattern of a piece code known at compile time.
template <int Code>
constexpr StepPattern PATTERN_OF = step_pattern(Code);

template <int Code, std::size_t... R>
void walk_lines([[maybe_unused]] PieceWalker& walker, [[maybe_unused]] int x,
                [[maybe_unused]] int y, std::index_sequence<R...>) {
  (walker.line(line_code(Code), x, y, PATTERN_OF<Code>.ray_dx[R], PATTERN_OF<Code>.ray_dy[R]), ...);
}

template <int Code, std::size_t... S>
void walk_steps([[maybe_unused]] PieceWalker& walker, [[maybe_unused]] int x,
                [[maybe_unused]] int y, std::index_sequence<S...>) {
  if constexpr (Code < 0)
    (walker.lower_step(x, y, PATTERN_OF<Code>.step_dx[S], PATTERN_OF<Code>.step_dy[S], Code), ...);
  else
    (walker.upper_step(x, y, PATTERN_OF<Code>.step_dx[S], PATTERN_OF<Code>.step_dy[S],
                       step_code(Code), upper_step_records(Code)),
     ...);
}

// The walk of the piece `Code` with its step pattern unrolled.
template <int Code>
void walk_piece(PieceWalker& walker, int x, int y) {
  walk_lines<Code>(walker, x, y, std::make_index_sequence<PATTERN_OF<Code>.ray_count>{});
  walk_steps<Code>(walker, x, y, std::make_index_sequence<PATTERN_OF<Code>.step_count>{});
}

using Walk = void (*)(PieceWalker&, int, int);

// The walk of every pattern index: the upper kinds, then the lower ones.
template <std::size_t... K>
constexpr std::array<Walk, step_table::PATTERN_COUNT> make_walks(std::index_sequence<K...>) {
  return {&walk_piece<step_table::KINDS[K]>..., &walk_piece<-step_table::KINDS[K]>...};
}

constexpr std::array<Walk, step_table::PATTERN_COUNT> WALKS =
    make_walks(std::make_index_sequence<step_table::KIND_COUNT>{});

void walk(PieceWalker& walker, int code, int x, int y) {
  const int p = pattern_index(code);
  if (p >= 0) WALKS[p](walker, x, y);
}

}  // namespace

void analyze_board(GameState& state, AttackTables& tables) {
  reset_tables(tables);
  TableRecorder recorder(state.board, tables);
  PieceWalker walker(recorder);
  for (int x = 1; x <= 9; ++x) {
    for (int y = 1; y <= 9; ++y) {
      const int c = state.board(x, y);
      if (c == EMPTY) continue;
      if (c == -KING) {
        state.lower_king_x = x;
        state.lower_king_y = y;
      } else if (c == KING) {
        state.upper_king_x = x;
        state.upper_king_y = y;
      }
      walk(walker, c, x, y);
    }
  }
}

}  // namespace kumora
