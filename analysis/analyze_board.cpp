#include "analysis/analyze_board.h"

#include <algorithm>

#include "analysis/table_recorder.h"

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

// The movement of every piece kind, written into the tables as it is walked.
class PieceWalker {
 public:
  explicit PieceWalker(TableRecorder& recorder) : rec_(recorder), board_(recorder.board()) {}

  void walk_lower(int c, int x, int y);
  void walk_upper(int c, int x, int y);

 private:
  // One step of a lower piece (records everything) or an upper piece.
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

  void slide_up(int code, int x, int y) { line(code, x, y, 0, -1); }
  void slide_down(int code, int x, int y) { line(code, x, y, 0, 1); }
  void slide_right(int code, int x, int y) { line(code, x, y, 1, 0); }
  void slide_left(int code, int x, int y) { line(code, x, y, -1, 0); }

  void orthogonal_slides(int code, int x, int y) {
    slide_up(code, x, y);
    slide_down(code, x, y);
    slide_right(code, x, y);
    slide_left(code, x, y);
  }

  void diagonal_lines(int code, int x, int y) {
    line(code, x, y, -1, -1);
    line(code, x, y, 1, -1);
    line(code, x, y, -1, 1);
    line(code, x, y, 1, 1);
  }
  void lower_bishop_slides(int x, int y) { diagonal_lines(-BISHOP, x, y); }
  void upper_bishop_slides(int code, int x, int y) { diagonal_lines(code, x, y); }

  void lower_gold_steps(int code, int x, int y) {
    lower_step(x, y, 0, -1, code);
    lower_step(x, y, -1, -1, code);
    lower_step(x, y, 1, -1, code);
    lower_step(x, y, 0, 1, code);
    lower_step(x, y, -1, 0, code);
    lower_step(x, y, 1, 0, code);
  }
  void upper_gold_steps(int x, int y) {
    upper_step(x, y, 0, 1, GOLD, DEFENCE);
    upper_step(x, y, -1, 1, GOLD, DEFENCE);
    upper_step(x, y, 1, 1, GOLD, DEFENCE);
    upper_step(x, y, 0, -1, GOLD, DEFENCE);
    upper_step(x, y, -1, 0, GOLD, DEFENCE);
    upper_step(x, y, 1, 0, GOLD, DEFENCE);
  }

  // The silver's five steps, forward being dy = f.
  void lower_silver_steps(int x, int y) {
    for (int dx = -1; dx <= 1; ++dx) lower_step(x, y, dx, -1, -SILVER);
    lower_step(x, y, -1, 1, -SILVER);
    lower_step(x, y, 1, 1, -SILVER);
  }
  void upper_silver_steps(int x, int y) {
    const unsigned records = DEFENCE | DEFENCE_SQUARE;
    for (int dx = -1; dx <= 1; ++dx) upper_step(x, y, dx, 1, SILVER, records);
    upper_step(x, y, -1, -1, SILVER, records);
    upper_step(x, y, 1, -1, SILVER, records);
  }

  void lower_king_steps(int x, int y) {
    for (int dx = -1; dx <= 1; ++dx)
      for (int dy = -1; dy <= 1; ++dy)
        if (dx != 0 || dy != 0) lower_step(x, y, dx, dy, -KING);
  }
  void upper_king_steps(int x, int y) {
    for (int dx = -1; dx <= 1; ++dx)
      for (int dy = -1; dy <= 1; ++dy)
        if (dx != 0 || dy != 0) upper_step(x, y, dx, dy, KING, DEFENCE);
  }

  TableRecorder& rec_;
  const Board& board_;
};

void PieceWalker::walk_lower(int c, int x, int y) {
  switch (c) {
    case -PAWN:
      lower_step(x, y, 0, -1, c);
      break;
    case -LANCE:
      slide_up(c, x, y);
      break;
    case -KNIGHT:
      lower_step(x, y, -1, -2, c);
      lower_step(x, y, 1, -2, c);
      break;
    case -SILVER:
      lower_silver_steps(x, y);
      break;
    case -GOLD:
    case -TOKIN:
    case -PROMOTED_LANCE:
    case -PROMOTED_KNIGHT:
    case -PROMOTED_SILVER:
      lower_gold_steps(c, x, y);
      break;
    case -BISHOP:
      lower_bishop_slides(x, y);
      break;
    case -HORSE:
      lower_bishop_slides(x, y);
      lower_step(x, y, 0, -1, c);
      lower_step(x, y, 0, 1, c);
      lower_step(x, y, -1, 0, c);
      lower_step(x, y, 1, 0, c);
      break;
    case -ROOK:
      orthogonal_slides(c, x, y);
      break;
    case -DRAGON:
      orthogonal_slides(c, x, y);
      lower_step(x, y, -1, -1, c);
      lower_step(x, y, 1, -1, c);
      lower_step(x, y, -1, 1, c);
      lower_step(x, y, 1, 1, c);
      break;
    case -KING:
      lower_king_steps(x, y);
      break;
    default:
      break;  // no such kind
  }
}

void PieceWalker::walk_upper(int c, int x, int y) {
  switch (c) {
    case PAWN:
      upper_step(x, y, 0, 1, c, DEFENCE | ATTACK);
      break;
    case LANCE:
      slide_down(c, x, y);
      break;
    case KNIGHT:
      upper_step(x, y, -1, 2, c, DEFENCE | DEFENCE_SQUARE);
      upper_step(x, y, 1, 2, c, DEFENCE | DEFENCE_SQUARE);
      break;
    case SILVER:
      upper_silver_steps(x, y);
      break;
    case GOLD:
    case TOKIN:
    case PROMOTED_LANCE:
    case PROMOTED_KNIGHT:
    case PROMOTED_SILVER:
      upper_gold_steps(x, y);
      break;
    case BISHOP:
      upper_bishop_slides(c, x, y);
      break;
    case HORSE:
      upper_bishop_slides(c, x, y);
      upper_step(x, y, 0, -1, c, COUNT_ONLY);
      upper_step(x, y, 0, 1, c, COUNT_ONLY);
      upper_step(x, y, -1, 0, c, COUNT_ONLY);
      upper_step(x, y, 1, 0, c, COUNT_ONLY);
      break;
    case ROOK:
      orthogonal_slides(c, x, y);
      break;
    case DRAGON:
      orthogonal_slides(c, x, y);
      upper_step(x, y, -1, -1, c, EVERYTHING);
      upper_step(x, y, 1, -1, c, EVERYTHING);
      upper_step(x, y, -1, 1, c, EVERYTHING);
      upper_step(x, y, 1, 1, c, EVERYTHING);
      break;
    case KING:
      upper_king_steps(x, y);
      break;
    default:
      break;  // no such kind
  }
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
      if (c < 0)
        walker.walk_lower(c, x, y);
      else
        walker.walk_upper(c, x, y);
    }
  }
}

}  // namespace kumora
