#include "com/evaluations.h"

#include <cstdlib>

#include "rules/movement.h"
#include "rules/reach_map.h"
#include "rules/square_set.h"
#include "rules/step_patterns.h"

namespace kumora {

namespace {

bool next_to(int x, int y, int cx, int cy, int distance) {
  return std::abs(x - cx) < distance && std::abs(y - cy) < distance;
}

bool is_upper_line_piece(int code) {
  return code == LANCE || code == BISHOP || code == HORSE || code == ROOK || code == DRAGON;
}

// The squares of the upper sliders, or of the lower ones, that could reach a
// king's square: lance, bishop, horse, rook, dragon.
SquareSet line_pieces(const Board& board, int sign) {
  SquareSet set = 0;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y)
      if (is_upper_line_piece(board(x, y) * sign)) set |= square_bit(x, y);
  return set;
}

bool any_steps_to(const Board& board, SquareSet from, int to_x, int to_y) {
  for (; from != 0; from &= from - 1) {
    const int index = lowest_square(from);
    const int x = square_x(index), y = square_y(index);
    if (can_step(board, x, y, to_x, to_y, board(x, y))) return true;
  }
  return false;
}

// Upper coverage for the mate test: the union of the coverage reach maps of
// every upper piece, and of an upper drop when the hand holds anything.
// A piece's own map holds its square and, through the own pieces it steps
// onto, every square those links reach; so the union is the upper squares
// plus the reach of every upper piece that another upper piece steps onto.
// A drop links from every upper piece, adding the reach of all of them.
SquareSet upper_coverage(const GameState& state) {
  const Board& board = state.board;
  SquareSet upper = 0;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y)
      if (board(x, y) >= 10) upper |= square_bit(x, y);

  bool hand_holds_something = false;
  for (int k = 1; k <= 7; ++k)
    if (state.upper_hand[k] > 0) hand_holds_something = true;

  SquareSet linked = 0;
  SquareSet reach_of_all = 0;
  SquareSet reach_of[81] = {};
  for (SquareSet left = upper; left != 0; left &= left - 1) {
    const int index = lowest_square(left);
    const int x = square_x(index), y = square_y(index);
    reach_of[index] = reach_targets(board, x, y, board(x, y));
    linked |= reach_of[index] & upper;
    reach_of_all |= reach_of[index];
  }
  if (hand_holds_something) return upper | reach_of_all;
  SquareSet covered = upper;
  for (SquareSet left = linked; left != 0; left &= left - 1)
    covered |= reach_of[lowest_square(left)];
  return covered;
}

// The walk of board_safety over one square: what it reads and what it adds up.
struct SafetyWalk {
  ComWorld& w;
  const Board& board;
  const AttackTables& t;
  const int* lower_hand;
  int ux, uy;
  Score total = 0;
  int fork_count = 0;
  int smallest_forked = 9999;

  int la(int x, int y) const { return t.lower_attack_count(x, y); }
  int ua(int x, int y) const { return t.upper_attack_count(x, y); }
  bool silver_or_gold_in_hand() const { return lower_hand[4] > 0 || lower_hand[5] > 0; }

  void empty_square_attacked(int i, int j);
  void empty_square_drops(int i, int j);
  void upper_piece(int c, int i, int j);
  void attacked_upper_piece(int c, int i, int j);
  void lower_piece(int c, int i, int j);
  void fork_target(int c, int i, int j, int p, int tx, int ty);
};

void SafetyWalk::empty_square_attacked(int i, int j) {
  const int la_here = la(i, j), ua_here = ua(i, j);
  if (next_to(i, j, ux, uy, 2)) {
    total -= 5 * la_here;
    if (ua_here == 1 && la_here > 1) total -= 100;
    if (silver_or_gold_in_hand()) total -= 100;
  }
  if (ua_here == 0 && j < 4) {
    total -= 1;
    if (column_xray_threat(w, i, j)) total -= 100;
  }
  if (j < 4 && board(i, j + 1) == -PAWN && la_here >= ua_here) {
    total -= 300;
    if (column_xray_threat(w, i, j + 1)) total -= 700;
  }
}

void SafetyWalk::empty_square_drops(int i, int j) {
  const int la_here = la(i, j), ua_here = ua(i, j);
  // A lance dropped here would skewer two upper pieces above it.
  if (lower_hand[2] > 0 && j > 2 && board(i, j - 1) > LANCE && (la_here > 0 || ua_here == 0)) {
    for (int k = j - 2; k >= 1; --k) {
      if (board(i, k) == EMPTY) continue;
      if (board(i, k) > LANCE) total -= 1000 + 5 * board(i, k);
      break;
    }
  }
  // A knight dropped here would fork the two upper pieces it jumps to.
  if (lower_hand[3] > 0 && ((la_here > 0 && t.upper_attacker(i, j) > KNIGHT) || ua_here == 0) &&
      j > 2 && i > 1 && i < 9 && board(i - 1, j - 2) > PAWN && board(i + 1, j - 2) > PAWN)
    total -= 200;
  if (silver_or_gold_in_hand() && ua_here <= 1) {
    const int crowding = big_piece_crowding(w, i, j);
    if (crowding < -1) total -= 50;
    if (ua_here == 0 && crowding < 0) {
      total -= 10;
      if (j < 4) total -= 100;
    }
  }
  if (ua_here == 0) {
    if (j == 2 && board(i, 1) == KNIGHT) total -= 50;
    if (j < 4) total -= 1;
    if (lower_hand[4] > 0 && i > 1 && i < 9 && j > 1 && j < 9) {
      if (board(i - 1, j - 1) >= 10 && board(i + 1, j + 1) >= 10 && ua(i - 1, j - 1) == 0 &&
          ua(i + 1, j + 1) == 0)
        total -= 200;
      if (board(i - 1, j + 1) >= 10 && board(i + 1, j - 1) >= 10 && ua(i - 1, j + 1) == 0 &&
          ua(i + 1, j - 1) == 0)
        total -= 200;
    }
  }
}

void SafetyWalk::upper_piece(int c, int i, int j) {
  if (c == KING && j == 1 && la(i, 2) > 0) {
    total -= 500;
    if (la(i, 2) >= ua(i, 2)) total -= 2500;
    if (silver_or_gold_in_hand()) total -= 7000;
  } else if (c == PAWN && t.lower_attacker(i, j) == -ROOK && lower_hand[1] > 0 &&
             la(i, j) >= ua(i, j) && j < 9 && ua(i, j + 1) == 1) {
    total -= 50;
  }
  if (la(i, j) > 0) attacked_upper_piece(c, i, j);
}

void SafetyWalk::attacked_upper_piece(int c, int i, int j) {
  const int la_here = la(i, j), ua_here = ua(i, j);
  const int attacker = std::abs(t.lower_attacker(i, j));
  const int defender = t.upper_defender(i, j);
  if (defender == KING && (la_here > 1 || c > attacker)) total -= 1000;
  const bool attacker_free =
      !w.context.lower_pinned.marked(t.lower_attacker_x(i, j), t.lower_attacker_y(i, j));
  if (attacker_free && c > attacker) total -= tenths(c - attacker);
  if (ua_here > 0) {
    if (attacker_free) {
      if (la_here > ua_here && defender >= attacker) total -= tenths(c);
      if (j <= 3 && ua_here == la_here && board(i, j + 1) != EMPTY &&
          column_xray_threat(w, i, j + 1))
        total -= tenths(c + std::abs(t.lower_attacker(i, j + 1)));
    }
  } else {
    total -= tenths(c);
    if (j <= 3) total -= 100;
    const int before = w.context.board_at_turn_start(i, j);
    if (before <= -10) total += tenths(-before);  // the piece has just captured there
    const int cheapest = t.lower_attacker(i, j);
    if (j < 4 && (cheapest == -PAWN || cheapest == -LANCE)) total -= 200;
  }
}

void SafetyWalk::lower_piece(int c, int i, int j) {
  if (w.context.upper_attack_before(i, j) == 0 && ua(i, j) > 0) {
    const int ahead = board.at_or_empty(i, j - 1);
    if (c == -KNIGHT && j > 2 && la(i, j - 1) == 0 &&
        (ahead == SILVER || ahead == DRAGON || ahead == HORSE))
      total += 10;
    if (next_to(i, j, ux, uy, 3)) total += 150;
  }
  if (c == -KNIGHT && j >= 5 && board(i, j - 4) >= SILVER) {
    if (i > 1 && board(i - 1, j - 2) >= 0 && ua(i - 1, j - 2) == 0) total -= 10;
    if (i < 9 && board(i + 1, j - 2) >= 0 && ua(i + 1, j - 2) == 0) total -= 10;
  } else if ((c == -ROOK || c == -DRAGON || c == -LANCE) && i == ux) {
    total -= 10;
  }
}

// A lower piece the candidate would attack with nothing to fear on its square.
void SafetyWalk::fork_target(int c, int i, int j, int p, int tx, int ty) {
  const int hx = w.state.lower_king_x, hy = w.state.lower_king_y;
  if (la(i, j) != 0 && !(i == hx && j == hy)) return;
  if (!can_step(board, tx, ty, i, j, p)) return;
  total += 1;
  ++fork_count;
  if (std::abs(c) < smallest_forked) smallest_forked = std::abs(c);
}

}  // namespace

int count_king_escapes(const ComWorld& w) {
  const GameState& s = w.state;
  const int hx = s.lower_king_x, hy = s.lower_king_y;
  int count = 0;
  for (int dx = -1; dx <= 1; ++dx)
    for (int dy = -1; dy <= 1; ++dy) {
      const int x = hx + dx, y = hy + dy;
      if ((dx == 0 && dy == 0) || !Board::on_board(x, y)) continue;
      if (s.board(x, y) == EMPTY && w.tables.upper_attack_count(x, y) == 0) ++count;
    }
  return count;
}

void mark_bishop_check_squares(ComWorld& w) {
  const Board& board = w.state.board;
  const BoardTable& ua = w.tables.upper_attack_count;
  const int ux = w.state.upper_king_x, uy = w.state.upper_king_y;
  SquareMarks& marks = w.context.bishop_check_squares;
  for (int i = 1; i <= 9; ++i)
    for (int j = 1; j <= 9; ++j) {
      marks(i, j) = false;
      if (board(i, j) != EMPTY) continue;
      const bool weakly_held = ua(i, j) == 0 || (ua(i, j) == 1 && next_to(i, j, ux, uy, 2));
      if (weakly_held && can_step(board, i, j, ux, uy, -BISHOP)) marks(i, j) = true;
    }
}

void mark_pinned_pieces(ComWorld& w) {
  Board& board = w.state.board;
  const int hx = w.state.lower_king_x, hy = w.state.lower_king_y;
  const int ux = w.state.upper_king_x, uy = w.state.upper_king_y;
  // Lifting a piece of one side never changes where the other side's sliders stand.
  const SquareSet upper_lines = line_pieces(board, 1);
  const SquareSet lower_lines = line_pieces(board, -1);
  ComContext& c = w.context;
  c.upper_has_pinned = false;
  for (int i = 1; i <= 9; ++i)
    for (int j = 1; j <= 9; ++j) {
      c.lower_pinned(i, j) = false;
      const int v = board(i, j);
      if (v == EMPTY) continue;
      board(i, j) = EMPTY;
      if (v <= -10 && any_steps_to(board, upper_lines, hx, hy)) c.lower_pinned(i, j) = true;
      if (v >= 10 && !c.upper_has_pinned && any_steps_to(board, lower_lines, ux, uy))
        c.upper_has_pinned = true;
      board(i, j) = v;
    }
}

bool lower_king_mated(ComWorld& w) {
  const SquareSet covered = upper_coverage(w.state);
  build_reach_map(w.reach, w.state.board, w.state.lower_king_x, w.state.lower_king_y,
                  REACH_COVERAGE);
  const SquareSet king_reach = squares_of(w.reach.reach_map);
  return (king_reach & ~covered) == 0;
}

Score board_safety(ComWorld& w, int p, int tx, int ty) {
  SafetyWalk walk{
      w, w.state.board, w.tables, w.state.lower_hand, w.state.upper_king_x, w.state.upper_king_y};
  const bool hand_not_empty = w.state.lower_hand_total > 0;
  const bool candidate_unattacked = w.tables.lower_attack_count.at_or_empty(tx, ty) == 0;
  for (int i = 1; i <= 9; ++i)
    for (int j = 1; j <= 9; ++j) {
      const int c = walk.board(i, j);
      if (c == EMPTY) {
        if (walk.la(i, j) > 0) walk.empty_square_attacked(i, j);
        if (hand_not_empty) walk.empty_square_drops(i, j);
      } else if (c >= 10) {
        walk.upper_piece(c, i, j);
      } else if (c <= -10) {
        walk.lower_piece(c, i, j);
        if (candidate_unattacked) walk.fork_target(c, i, j, p, tx, ty);
      }
    }
  if (walk.fork_count > 1) walk.total += tenths(walk.smallest_forked);
  return walk.total;
}

Score bishop_fork_threat(const ComWorld& w, int tx, int ty, int p) {
  const Board& board = w.state.board;
  for (int i = 1; i <= 9; ++i)
    for (int j = 1; j <= 9; ++j) {
      if (!w.context.bishop_check_squares(i, j)) continue;
      if (!can_step(board, tx, ty, i, j, -BISHOP) && !can_step(board, tx, ty, i, j, -HORSE))
        continue;
      // The first such square decides.
      for (int k = 1; k <= 9; ++k)
        for (int l = 1; l <= 9; ++l) {
          const int code = board(k, l);
          if ((code == -BISHOP || code == -HORSE) && can_step(board, k, l, i, j, code))
            return tenths(p);
        }
      return w.state.lower_hand[6] > 0 ? tenths(p) : 0;
    }
  return 0;
}

int count_safe_moves(const ComWorld& w, int x, int y, int code) {
  const Board& board = w.state.board;
  const BoardTable& cover = code >= 10 ? w.tables.lower_attack_count : w.tables.upper_attack_count;
  int count = 0;
  if (!Board::on_board(x, y)) {
    // A drop (or an origin off the board): every square in turn.
    for (int k = 1; k <= 9; ++k)
      for (int l = 1; l <= 9; ++l)
        if (can_step(board, x, y, k, l, code) && cover(k, l) == 0) ++count;
    return count;
  }
  // From a board square the step squares are those of the piece's pattern
  // that hold no piece of its own side.
  for (SquareSet left = reach_targets(board, x, y, code); left != 0; left &= left - 1) {
    const int index = lowest_square(left);
    const int k = square_x(index), l = square_y(index);
    if (!same_owner(code, board(k, l)) && cover(k, l) == 0) ++count;
  }
  return count;
}

Score knight_drop_gain(const ComWorld& w, int x, int y) {
  const Board& board = w.state.board;
  const AttackTables& t = w.tables;
  const int attacker = t.lower_attacker.at_or_empty(x, y);
  if (attacker < -DRAGON || attacker > -BISHOP || y <= 5) return 0;
  Score gain = 0;
  for (int side = -1; side <= 1; side += 2) {
    const int jump_x = x + side, big_x = x + 2 * side;
    if (!Board::on_board(big_x, y)) continue;  // x > 2 on the left, x < 8 on the right
    if (board(jump_x, y - 2) == EMPTY && t.lower_attack_count(jump_x, y - 2) == 0 &&
        board(big_x, y) <= -BISHOP && t.lower_attacker_x.at_or_empty(x, y) != big_x)
      gain += tenths(std::abs(board(big_x, y)));
  }
  return gain;
}

Score lance_drop_gain(const ComWorld& w, int x, int y) {
  const Board& board = w.state.board;
  const AttackTables& t = w.tables;
  const int attacker = t.lower_attacker.at_or_empty(x, y);
  if (y <= 6 || !Board::on_board(x, y) || t.upper_attack_count(x, y - 1) == 0 ||
      t.lower_attack_count(x, y - 1) != 0 || attacker < -DRAGON || attacker > -BISHOP)
    return 0;
  for (int k = y + 1; k <= 9; ++k) {
    if (board(x, k) == EMPTY) continue;
    return can_step(board, x, y, x, k, LANCE) ? tenths(std::abs(board(x, k))) : 0;
  }
  return 0;
}

bool column_xray_threat(ComWorld& w, int x, int y) {
  const Board& board = w.state.board;
  if (!Board::on_board(x, y)) return false;
  for (int k = y + 1; k <= 9; ++k) {
    const int code = board(x, k);
    if (code >= 10) return false;
    // Stepping onto (x, y) as if it were empty: the piece there is lifted.
    if (code == -LANCE || code == -ROOK || code == -DRAGON)
      return can_step_with_target(board, x, k, x, y, code, EMPTY);
  }
  return false;
}

int big_piece_crowding(const ComWorld& w, int x, int y) {
  int crowding = 0;
  for (int dx = -1; dx <= 1; ++dx)
    for (int dy = -1; dy <= 1; ++dy)
      if ((dx != 0 || dy != 0) && w.state.board.at_or_empty(x + dx, y + dy) >= BISHOP) --crowding;
  return crowding;
}

}  // namespace kumora
