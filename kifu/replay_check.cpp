#include "kifu/replay_check.h"

#include "core/translation.h"
#include "rules/chain_move.h"
#include "rules/drops_promotion.h"
#include "rules/movement.h"

namespace kumora {

namespace {

bool is_piece(int code) { return is_lower_piece(code) || is_upper_piece(code); }

std::string board_move_problem(const GameState& state, const RecordEntry& e) {
  if (!Board::on_board(e.from_x, e.from_y)) return tr_text("Record", "移動元が盤の外です");
  if (state.board(e.from_x, e.from_y) != e.moved || !is_piece(e.moved)) {
    return tr_text("Record", "移動元の駒が記録と違います");
  }
  if (e.placed != e.moved &&
      e.placed != promoted_code(e.from_x, e.from_y, e.to_x, e.to_y, e.moved)) {
    return tr_text("Record", "成りの記録が正しくありません");
  }
  return {};
}

std::string drop_problem(const GameState& state, const RecordEntry& e) {
  const bool lower = e.from_x == LOWER_HAND_COLUMN;
  const bool row_ok = lower ? (e.from_y >= 3 && e.from_y <= 9) : (e.from_y >= 1 && e.from_y <= 7);
  if (!row_ok) return tr_text("Record", "持ち駒の位置が正しくありません");
  const bool sign_ok = lower ? is_lower_piece(e.moved) : is_upper_piece(e.moved);
  if (e.placed != e.moved || !sign_ok || !is_hand_kind(e.moved))
    return tr_text("Record", "打てない駒です");
  const int* hand = lower ? state.lower_hand : state.upper_hand;
  if (hand[hand_index(e.moved)] < 1) return tr_text("Record", "持ち駒にない駒を打っています");
  if (state.board(e.to_x, e.to_y) != EMPTY) return tr_text("Record", "駒のある升に打っています");
  return {};
}

// The rules a person's clicks obey: a chain of own pieces from the origin to
// the target, two pawns only when promoting on the move, promotion where a
// piece would have no further move.
std::string chain_rule_problem(const GameState& state, const RecordEntry& e) {
  if (!chain_move_reaches(state.board, e.from_x, e.from_y, e.to_x, e.to_y, e.moved)) {
    return is_hand_column(e.from_x) ? tr_text("Record", "その升には打てません")
                                    : tr_text("Record", "その升へは動けません");
  }
  if (second_pawn_in_file(state.board, e.from_x, e.to_x, e.moved) && e.placed == e.moved) {
    return tr_text("Record", "２歩です");
  }
  if (!may_stay_unpromoted(e.to_y, e.moved) &&
      e.placed != promoted_code(e.from_x, e.from_y, e.to_x, e.to_y, e.moved)) {
    return tr_text("Record", "成らなければならない駒が成っていません");
  }
  return {};
}

bool any_clock_negative(const RecordEntry& e) {
  return e.lower_clock_before < 0 || e.lower_clock_after < 0 || e.upper_clock_before < 0 ||
         e.upper_clock_after < 0;
}

}  // namespace

std::string replay_problem(const GameState& state, const RecordEntry& e, int mover) {
  if (!Board::on_board(e.to_x, e.to_y)) return tr_text("Record", "移動先が盤の外です");
  if (any_clock_negative(e)) return tr_text("Record", "時間が負の値です");
  if (mover != 0 && is_piece(e.moved) && mover_of(e) != mover) {
    return tr_text("Record", "同じ側が続けて指しています");
  }
  std::string problem;
  if (is_hand_column(e.from_x)) {
    problem = drop_problem(state, e);
  } else {
    problem = board_move_problem(state, e);
  }
  if (!problem.empty()) return problem;
  if (state.board(e.to_x, e.to_y) != e.taken) return tr_text("Record", "取った駒が盤面と違います");
  if (same_owner(e.taken, e.moved)) return tr_text("Record", "自分の駒を取っています");
  return chain_rule_problem(state, e);
}

}  // namespace kumora
