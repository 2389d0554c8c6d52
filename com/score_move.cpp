#include "com/score_move.h"

#include <cstdlib>
#include <optional>

#include "com/evaluations.h"
#include "rules/movement.h"

namespace kumora {

namespace {

bool near(int a, int b, int limit) { return std::abs(a - b) < limit; }

// The candidate and everything its terms read, with the short names of the
// scoring rules: LA / UA attack counts, LA0 / UA0 before the move, LK the
// cheapest lower attacker, UD the cheapest upper defender, LD the dearest
// lower defender.
struct Candidate {
  ComWorld& w;
  const GameState& st;
  const AttackTables& at;
  const ComContext& ctx;
  int c, p, m, fx, fy, tx, ty;
  int hx, hy, ux, uy;

  Candidate(ComWorld& world, int captured, int placed, int from_x, int from_y, int to_x, int to_y)
      : w(world),
        st(world.state),
        at(world.tables),
        ctx(world.context),
        c(captured),
        p(placed),
        m(from_x < 0 ? placed : world.context.moving_piece),
        fx(from_x),
        fy(from_y),
        tx(to_x),
        ty(to_y),
        hx(world.state.lower_king_x),
        hy(world.state.lower_king_y),
        ux(world.state.upper_king_x),
        uy(world.state.upper_king_y) {}

  bool drop() const { return fx < 0; }
  int B(int x, int y) const { return st.board.at_or_empty(x, y); }
  int LA(int x, int y) const { return at.lower_attack_count.at_or_empty(x, y); }
  int UA(int x, int y) const { return at.upper_attack_count.at_or_empty(x, y); }
  int LA0(int x, int y) const { return ctx.lower_attack_before.at_or_empty(x, y); }
  int UA0(int x, int y) const { return ctx.upper_attack_before.at_or_empty(x, y); }
  int LK(int x, int y) const { return at.lower_attacker.at_or_empty(x, y); }
  int LKx(int x, int y) const { return at.lower_attacker_x.at_or_empty(x, y); }
  int LKy(int x, int y) const { return at.lower_attacker_y.at_or_empty(x, y); }
  int UD(int x, int y) const { return at.upper_defender.at_or_empty(x, y); }
  int UDx(int x, int y) const { return at.upper_defender_x.at_or_empty(x, y); }
  int UDy(int x, int y) const { return at.upper_defender_y.at_or_empty(x, y); }
  int LD(int x, int y) const { return at.lower_defender.at_or_empty(x, y); }
  int lower_hand(int k) const { return st.lower_hand[k]; }
  int upper_hand(int k) const { return st.upper_hand[k]; }

  // The destination's own counts, the terms' most frequent reads.
  int la() const { return LA(tx, ty); }
  int ua() const { return UA(tx, ty); }
  int lk() const { return LK(tx, ty); }
  // Free or only defended by the king while the checking piece is covered.
  bool free_or_king_attacked() const { return la() == 0 || (ua() > 0 && lk() == -KING); }
  bool beside_king_line() const {
    return (tx == hx || ty == hy) && near(tx, hx, 3) && near(ty, hy, 3);
  }
};

using Final = std::optional<Score>;

// ---- Group 1: king capture, own king, check, promotion, board safety ----

void check_terms(const Candidate& k, Score& s) {
  if (k.lk() == -KING && k.ua() > 0) s += tenths(100);
  const bool diagonal_next_to_king =
      k.tx != k.hx && k.ty != k.hy && near(k.tx, k.hx, 2) && near(k.ty, k.hy, 2);
  if (k.la() <= 2 && k.UD(k.tx, k.ty) == DRAGON && diagonal_next_to_king &&
      (k.UDx(k.tx, k.ty) == k.hx || k.UDy(k.tx, k.ty) == k.hy))
    s += tenths(900);
  if (k.la() == 0) s += tenths(10);
}

Final group_one(const Candidate& k, Score& s) {
  if (k.c == -KING) return KING_CAPTURE_SCORE;
  if (k.LA(k.ux, k.uy) >= 1) return FORBIDDEN_SCORE;
  if (k.UA(k.hx, k.hy) > 0) {
    if (lower_king_mated(k.w)) return k.p == PAWN ? FORBIDDEN_SCORE : MATE_SCORE;
    check_terms(k, s);
  }
  if (k.drop())
    s -= tenths(5);
  else if (k.p > k.m)
    s += tenths(10);
  s += board_safety(k.w, k.p, k.tx, k.ty);
  return std::nullopt;
}

// ---- Group 2: approach, taking back, safety of the piece, captures ----

void approach_term(const Candidate& k, Score& s) {
  const int dx = std::abs(k.tx - k.hx);
  const int dy = std::abs(k.ty - k.hy);
  const int before = k.ctx.mover_king_distance;
  if (dx > dy) {
    if (before > dx) s += tenths(1);
  } else if (before > dy) {
    s += 1;
  }
}

// Taking back the cheapest attacker when it shields the person's king.
void take_back_term(const Candidate& k, Score& s) {
  const int ax = k.LKx(k.tx, k.ty);
  const int ay = k.LKy(k.tx, k.ty);
  if (k.LA(ax, ay) <= 0) return;
  const bool a = k.la() == 1 || (k.la() == 2 && k.UA(k.hx, k.hy) > 0 && k.ua() > 0);
  const bool b = k.ctx.lower_pinned.marked(ax, ay);
  const bool c = (ax == k.hx && k.tx != k.hx) || (ay == k.hy && k.ty != k.hy) ||
                 ((k.tx == k.hx || k.ty == k.hy) && ax != k.hx && ay != k.hy);
  if (!a || !b || !c) return;
  if (!can_step(k.st.board, k.tx, k.ty, ax, ay, k.m)) return;
  if (!k.drop()) {
    const int bx = k.ctx.upper_attacker_x_before.at_or_empty(ax, ay);
    const int by = k.ctx.upper_attacker_y_before.at_or_empty(ax, ay);
    if (k.B(bx, by) == EMPTY) return;
  }
  s += tenths(std::abs(k.B(ax, ay)));
}

void unattacked_piece_terms(const Candidate& k, Score& s) {
  if (k.p != BISHOP && k.p != HORSE && k.p != KING && k.p != PAWN)
    s -= bishop_fork_threat(k.w, k.tx, k.ty, k.p);
  const bool near_king = near(k.tx, k.hx, 3) && near(k.ty, k.hy, 3);
  if (near_king || k.p == LANCE || (k.p >= BISHOP && k.p <= DRAGON)) {
    const int escapes = count_king_escapes(k.w);
    if (k.ctx.escape_count_before > escapes) s += tenths(k.ctx.escape_count_before - escapes);
  }
}

void defended_piece_terms(const Candidate& k, Score& s) {
  if ((k.lower_hand(4) > 0 || k.lower_hand(5) > 0) && k.tx > 1 && k.tx < 9) {
    const int left = k.B(k.tx - 1, k.ty);
    const int right = k.B(k.tx + 1, k.ty);
    const bool left_rook = left == -ROOK || left == -DRAGON;
    const bool right_rook = right == -ROOK || right == -DRAGON;
    if ((left_rook && right == KING) || (right_rook && left == KING)) s -= tenths(k.p);
  }
  const int attacker = std::abs(k.lk());
  if (k.p > attacker) s += tenths(attacker - k.p);
  if (k.lk() == -KING && k.ty < k.hy && k.UA(k.hx, k.hy) > 0) s += tenths(k.p);
}

void piece_safety_terms(const Candidate& k, Score& s) {
  if (k.la() == 0)
    unattacked_piece_terms(k, s);
  else if (k.ua() > 0)
    defended_piece_terms(k, s);
  else if (k.drop())
    s -= tenths(k.p + 50);
}

void edge_lance_term(const Candidate& k, Score& s) {
  if (k.B(k.tx, 9) == -LANCE && (k.tx == 1 || k.tx == 9) && k.p != LANCE && k.p != ROOK &&
      k.p != DRAGON && k.fx != k.tx)
    s -= 1;
}

void capture_terms(const Candidate& k, Score& s) {
  if (k.c == EMPTY) return;
  const int value = std::abs(k.c);
  if (k.la() > 0) {
    if (k.ua() > 0) {
      if (k.p < std::abs(k.lk())) s += tenths(value);
    } else if (k.LA0(k.fx, k.fy) > 0 && count_safe_moves(k.w, k.fx, k.fy, k.p) == 0) {
      s += tenths(value);
    }
    return;
  }
  s += tenths(value);
  if (k.c == -TOKIN || k.c == -PROMOTED_LANCE || k.c == -PROMOTED_KNIGHT) s += tenths(50);
}

void group_two(const Candidate& k, Score& s) {
  approach_term(k, s);
  take_back_term(k, s);
  piece_safety_terms(k, s);
  edge_lance_term(k, s);
  capture_terms(k, s);
}

// ---- Group 3: patterns of the placed piece ----

Score pawn_drop_terms(const Candidate& k, Score s) {
  if (k.ua() > 0 && k.ty > 1 && k.B(k.tx, k.ty - 1) >= SILVER &&
      (k.lower_hand(1) > 0 || k.lower_hand(2) > 0))
    s += tenths(6);
  if (k.B(2, 8) == -BISHOP && k.tx == 2 && k.ty == 7 && (k.LA(2, 7) == 0 || k.UA(2, 7) > 0))
    s += tenths(30);
  const int ax = k.LKx(k.tx, k.ty);
  const int ay = k.LKy(k.tx, k.ty);
  const bool attacker_free_and_was_covered = k.LA(ax, ay) == 0 && k.UA0(ax, ay) > 0;
  if (!attacker_free_and_was_covered && k.ua() > 0 && ax == k.tx &&
      (k.lk() == -LANCE || k.lk() == -ROOK) && k.ty < ay)
    return s + tenths(120);
  return s;
}

// A pawn beside an upper bishop, and the opening square (7, 4).
void pawn_bishop_terms(const Candidate& k, Score& s) {
  if (k.B(k.tx, k.ty + 1) == -PAWN && k.LA(k.tx, k.ty + 1) > 0) s -= tenths(5);
  if (k.tx < 9 && k.B(k.tx + 1, k.ty) == BISHOP) {
    s += 5;
    if (k.B(k.tx + 1, k.ty + 2) == -PAWN) s += tenths(5);
  }
  if (k.tx > 1) {
    if (k.tx == 7 && k.ty == 4 && k.B(8, 2) == BISHOP) s += tenths(10);
    if (k.B(k.tx - 1, k.ty) == BISHOP) {
      s += 5;
      if (k.B(k.tx - 1, k.ty + 2) == -PAWN) s += tenths(5);
    }
  }
}

void pawn_capture_terms(const Candidate& k, Score& s) {
  if (k.c > -10 || k.UA(k.fx, k.fy) != 1) return;
  if (k.lk() == -LANCE && k.ty > 2 && k.B(k.tx, k.ty - 2) == BISHOP)
    s -= tenths(5);
  else
    s += tenths(5);
  if (k.c == -PAWN && (k.lk() == -LANCE || k.lk() == -ROOK)) s += tenths(50);
}

// The pawn facing a lower piece: one chain of alternatives, each ends the scoring.
Final pawn_front_result(const Candidate& k, Score s) {
  const int front = k.B(k.tx, k.ty + 1);
  if (front > -10) return std::nullopt;
  if (k.ua() > k.la()) return s + tenths(1);
  if (front == -PAWN) return s - tenths(5);
  if (k.ua() > 0 && k.UA0(k.tx, k.ty + 1) > 0 && k.LA0(k.tx, k.ty + 1) == 0) return s - tenths(1);
  if (k.ua() > 0 && k.ua() >= k.la()) return s + tenths(5);
  if (k.ua() == 0 && k.la() == 0) return s + tenths(1);
  return std::nullopt;
}

Score pawn_board_move_terms(const Candidate& k, Score s) {
  s -= 1;
  const int defender = k.UD(k.tx, k.ty);
  if (defender == GOLD || defender == SILVER) s += 6;
  if (k.ty >= 8) return s;
  if (defender == LANCE)
    s += tenths(1);
  else if (defender == ROOK && k.UDx(k.tx, k.ty) == k.tx && k.ua() >= k.la() &&
           k.ty < k.UDy(k.tx, k.ty))
    s += tenths(2);
  if (k.LA(k.tx, k.ty + 1) == 0 && k.B(k.tx, k.ty + 2) <= -KNIGHT) s += tenths(1);
  if (k.ty < 7) pawn_bishop_terms(k, s);
  pawn_capture_terms(k, s);
  return pawn_front_result(k, s).value_or(s);
}

Score pawn_terms(const Candidate& k, Score s) {
  if (k.upper_hand(2) > 0) s += lance_drop_gain(k.w, k.tx, k.ty);
  if (k.upper_hand(3) > 0) s += knight_drop_gain(k.w, k.tx, k.ty);
  if (k.ty < 9) {
    const int front = k.B(k.tx, k.ty + 1);
    if (front == GOLD)
      s += 5;
    else if (front == ROOK)
      s -= tenths(1);
    if (front < -PAWN && count_safe_moves(k.w, k.tx, k.ty + 1, front) == 0)
      s += tenths(std::abs(front));
  }
  if (k.ua() > 0 && k.tx > 1 && k.tx < 9 &&
      (k.B(k.tx + 1, k.ty) == ROOK || k.B(k.tx - 1, k.ty) == ROOK))
    s -= tenths(1);
  return k.drop() ? pawn_drop_terms(k, s) : pawn_board_move_terms(k, s);
}

Score lance_terms(const Candidate& k, Score s) {
  if (k.upper_hand(3) > 0) s += knight_drop_gain(k.w, k.tx, k.ty);
  if (!k.drop()) return k.c == EMPTY ? s - 9 : s;
  if (k.ty >= 8) return s;
  if (k.lower_hand(1) > 0 && k.la() == 0 && k.LA(k.tx, k.ty + 1) > 0) s -= tenths(10);
  if (k.B(k.tx, k.ty + 1) <= -LANCE && (k.la() == 0 || k.ua() >= k.la())) {
    for (int y = k.ty + 2; y <= 9; ++y) {
      const int v = k.B(k.tx, y);
      if (v == EMPTY) continue;
      if (can_step(k.st.board, k.tx, k.ty + 1, k.tx, y, LANCE) && v < -LANCE)
        return s + tenths(std::abs(v));
      break;
    }
  }
  return s;
}

Score knight_terms(const Candidate& k, Score s) {
  s -= 1;
  if (k.LA(k.tx, k.ty + 1) > 0) s -= tenths(1);
  if (k.ty < 8 && k.tx > 1 && k.tx < 9) {
    if (k.LA(k.tx - 1, k.ty + 2) > 0 && k.LA(k.tx + 1, k.ty + 2) > 0) s -= tenths(1);
    if (k.tx == 7 && k.ty == 3 && k.B(8, 4) == BISHOP) return s - tenths(5);
  }
  return s;
}

Score silver_terms(const Candidate& k, Score s) {
  if (k.ty <= 1) return s;
  if (k.ty > k.fy && k.fx == k.tx) s -= 1;
  if (k.B(k.tx, k.ty - 1) == KNIGHT) s -= 5;
  if (k.tx == 7 && k.ty == 3 && k.B(8, 3) == PAWN && k.B(8, 5) == -PAWN) return s + tenths(115);
  return s;
}

Score gold_terms(const Candidate& k, Score s) {
  if (k.ty > k.fy && k.fx != k.tx) s -= 5;
  if (k.ty == 4) return (k.B(6, 4) == BISHOP && k.LA(6, 4) > 0) ? s - tenths(5) : s;
  if (k.ty != 2) return s;
  if (k.B(8, 3) == PAWN && k.B(8, 6) == -PAWN && k.tx == 7 && k.LD(8, 6) == -ROOK) s += tenths(10);
  if (k.lower_hand(6) > 0 && k.UA0(k.tx, 3) == 0 && k.B(k.tx, 3) >= 10) {
    s += tenths(2);
    if (k.UA0(k.tx, 4) == 1 && k.B(k.tx, 4) == BISHOP) return s + tenths(125);
  }
  return s;
}

Score bishop_terms(const Candidate& k, Score s) {
  s += tenths(big_piece_crowding(k.w, k.tx, k.ty));
  if (k.ty < 9) {
    if (k.ty == 3) {
      if (k.tx == 9 && k.B(9, 4) == PAWN && k.B(9, 6) == -PAWN && k.B(9, 9) == -LANCE)
        s -= tenths(10);
      else if (k.tx == 7 && k.B(8, 5) == -PAWN && k.LD(8, 5) == -ROOK)
        s += tenths(9);
    }
    if (k.LA(k.tx, k.ty + 1) > 0) {
      if (count_safe_moves(k.w, k.tx, k.ty, BISHOP) == 0) s -= tenths(100);
      if (k.ty < 8 && k.B(k.tx, k.ty + 2) == -PAWN) s -= tenths(1);
    }
  }
  if (k.fy == 3) {
    if (k.fx == 9 && k.B(9, 4) == PAWN && k.B(9, 6) == -PAWN && k.LD(9, 6) == -LANCE)
      return s + tenths(10);
    if (k.fx == 7 && k.B(8, 5) == -PAWN && k.LD(8, 5) == -ROOK && k.UA0(8, 4) > k.UA(8, 4))
      return s - tenths(10);
  }
  return s;
}

// A lower silver with a lower gold beside it, and the square past the gold taken.
bool silver_gold_wall(const Candidate& k, int x, int silver_y, int side_y) {
  return (k.B(x + 1, silver_y) == -GOLD && k.B(x - 1, side_y) != EMPTY) ||
         (k.B(x - 1, silver_y) == -GOLD && k.B(x + 1, side_y) != EMPTY);
}

Score rook_board_move_terms(const Candidate& k, Score s) {
  if (k.la() == 0 && k.tx == 3 && k.ty == 4 && k.B(3, 7) == -BISHOP && k.B(3, 6) == -PAWN &&
      k.B(3, 5) == EMPTY)
    s += tenths(7);
  if (k.ty < 8) {
    if (k.LA(k.tx, k.ty + 1) > 0) {
      s -= tenths(1);
      if (k.B(k.tx, k.ty + 2) == -PAWN && k.ty == k.fy) s -= tenths(5);
    }
    if (k.fy < 9 && k.B(8, k.fy + 1) == -PAWN && k.LD(8, k.fy + 1) == -ROOK) {
      if (k.UA(8, k.fy) < k.UA0(8, k.fy)) s -= tenths(11);
      if (k.B(7, k.fy) == PAWN && k.ty != k.fy) s -= tenths(11);
    }
    if (k.LA(k.fx, k.fy) == 0 && k.fx == 2 && k.fy == 2 && k.tx == 2 && k.ty == 3) s -= tenths(1);
  }
  if (k.free_or_king_attacked()) {
    if (count_safe_moves(k.w, k.tx, k.ty, ROOK) <= 1) return s - tenths(35);
    if (k.beside_king_line()) return s + tenths(100);
  }
  return s;
}

Score rook_terms(const Candidate& k, Score s) {
  s += tenths(big_piece_crowding(k.w, k.tx, k.ty));
  if (!k.drop()) return rook_board_move_terms(k, s);
  if (k.ty == 9 && k.B(k.tx, 8) == -SILVER && k.tx > 1 && k.tx < 9 &&
      silver_gold_wall(k, k.tx, 8, 9))
    return s - tenths(1);
  return s;
}

Score dragon_terms(const Candidate& k, Score s) {
  s += tenths(big_piece_crowding(k.w, k.tx, k.ty));
  if (k.B(k.tx, k.ty - 1) == -SILVER && k.tx > 1 && k.tx < 9 &&
      silver_gold_wall(k, k.tx, k.ty - 1, k.ty))
    s -= tenths(10);
  if (k.fy == 9 && k.B(k.fx, 8) == -SILVER) {
    if (k.fx > 1 && k.B(k.fx - 1, 8) == -GOLD) s += tenths(2);
    if (k.fx < 9 && k.B(k.fx + 1, 8) == -GOLD) s += tenths(2);
  }
  if (k.ty == 9 && k.B(k.tx, 8) <= -10) {
    if (k.tx == 3 && k.B(2, 9) <= -10 && k.B(4, 8) == -GOLD) s -= tenths(150);
    if (k.tx == 7 && k.B(8, 9) <= -10 && k.B(6, 8) == -GOLD) s -= tenths(150);
  }
  if (k.free_or_king_attacked() && k.beside_king_line()) return s + tenths(100);
  return s;
}

Score king_terms(const Candidate& k, Score s) {
  if (k.ctx.upper_has_pinned) s += tenths(10);
  if (k.ua() > k.UA0(k.tx, k.ty)) s += tenths(1);
  if (count_safe_moves(k.w, k.tx, k.ty, KING) < 2) return s - tenths(20);
  return s;
}

Score group_three(const Candidate& k, Score s) {
  switch (k.p) {
    case PAWN:
      return pawn_terms(k, s);
    case TOKIN:
      return k.ua() >= k.la() ? s + tenths(1) : s;
    case LANCE:
      return lance_terms(k, s);
    case KNIGHT:
      return knight_terms(k, s);
    case SILVER:
      return silver_terms(k, s);
    case GOLD:
      return gold_terms(k, s);
    case BISHOP:
      return bishop_terms(k, s);
    case HORSE:
      return s + tenths(big_piece_crowding(k.w, k.tx, k.ty));
    case ROOK:
      return rook_terms(k, s);
    case DRAGON:
      return dragon_terms(k, s);
    case KING:
      return king_terms(k, s);
    default:
      return s;  // promoted lance, knight and silver have no pattern
  }
}

}  // namespace

Score score_move(ComWorld& w, int c, int p, int fx, int fy, int tx, int ty) {
  const Candidate k(w, c, p, fx, fy, tx, ty);
  Score s = 0;
  if (const Final final_score = group_one(k, s)) return *final_score;
  if (w.state.level < 2) return s;
  group_two(k, s);
  if (w.state.level < 3) return s;
  return group_three(k, s);
}

}  // namespace kumora
