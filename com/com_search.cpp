#include "com/com_search.h"

#include <algorithm>
#include <cstdlib>

#include "analysis/analyze_board.h"
#include "com/evaluations.h"
#include "com/reach_map.h"
#include "com/score_move.h"
#include "core/drops_promotion.h"

namespace kumora {

namespace {

void copy_squares(BoardTable& to, const BoardTable& from) {
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) to(x, y) = from(x, y);
}

// May a piece of hand kind 1..7 be dropped onto an own piece standing on row y?
bool drop_start_allowed(int kind, int y) {
  if (kind == 1 || kind == 2) return y != 9;
  if (kind == 3) return y < 8;
  return true;
}

SquareSet move_targets(ReachState& reach, const Board& board, int x, int y) {
  build_reach_map(reach, board, x, y, REACH_DESTINATIONS);
  return squares_of(reach.reach_map);
}

// The drop reach map built only from the own pieces a piece of this kind may
// be dropped on, in the same order and with the same filters as the full map.
SquareSet legal_start_drop_map(ReachState& reach, const Board& board, int kind) {
  reach.reach_map.clear();
  reach.reach_expanded.clear();
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) {
      const int code = board(x, y);
      if (code >= 10 && drop_start_allowed(kind, y))
        spread_reach(reach, board, x, y, code, ON, REACH_DESTINATIONS);
    }
  return squares_of(reach.reach_map);
}

SquareSet upper_pawn_columns(const Board& board) {
  SquareSet columns = 0;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y)
      if (board(x, y) == PAWN) columns |= column_squares(x);
  return columns;
}

// The drop reach map does not depend on the kind dropped; the starts that a
// kind may use differ only for pawn and lance (not row 9) and knight (not
// rows 8 and 9), so three further floods are enough.
struct UpperDropMaps {
  SquareSet any_kind;
  SquareSet pawn_or_lance;
  SquareSet knight;
  SquareSet pawn_columns;

  UpperDropMaps(ReachState& reach, const Board& board)
      : any_kind(move_targets(reach, board, UPPER_HAND_COLUMN, 1)),
        pawn_or_lance(legal_start_drop_map(reach, board, 1)),
        knight(legal_start_drop_map(reach, board, 3)),
        pawn_columns(upper_pawn_columns(board)) {}

  SquareSet targets(int kind) const {
    switch (kind) {
      case 1: return any_kind & pawn_or_lance & ~pawn_columns;
      case 2: return any_kind & pawn_or_lance;
      case 3: return any_kind & knight;
      default: return any_kind;
    }
  }
};

class Search {
 public:
  Search(ComWorld& w, CandidateSink* sink, TurnTicker* ticker)
      : w_(w), state_(w.state), sink_(sink), ticker_(ticker) {}

  ComMove run() {
    if (board_moves()) return best_;
    if (state_.upper_hand_total > 0) drops();
    return best_;
  }

 private:
  void tick() {
    if (ticker_ != nullptr) ticker_->tick();
  }

  Score score_version(int captured, int placed, int fx, int fy, int tx, int ty) {
    analyze_board(state_, w_.tables);
    const Score score = score_move(w_, captured, placed, fx, fy, tx, ty);
    if (sink_ != nullptr) sink_->scored(fx, fy, tx, ty, placed, score);
    return score;
  }

  // Keeps the candidate when it beats the best so far; answers whether it did.
  bool improves(Score score, int fx, int fy, int tx, int ty, int moved, int placed) {
    if (score <= best_.score) return false;
    best_ = {fx, fy, tx, ty, moved, placed, score, true};
    return true;
  }

  // Both promotion versions when promotion is optional; a tie keeps the
  // unpromoted piece, but a pawn, bishop or rook is placed promoted anyway.
  bool board_move(int x, int y, int tx, int ty) {
    Board& board = state_.board;
    const int moving = board(x, y);
    w_.context.moving_piece = moving;
    w_.context.mover_king_distance =
        std::max(std::abs(x - state_.lower_king_x), std::abs(y - state_.lower_king_y));
    const int captured = board(tx, ty);
    board(x, y) = EMPTY;
    board(tx, ty) = moving;
    const int promoted = promoted_code(x, y, tx, ty, moving);
    Score score;
    int placed;
    if (promoted == moving) {
      placed = moving;
      score = score_version(captured, placed, x, y, tx, ty);
    } else if (may_stay_unpromoted(ty, moving) == OFF) {
      board(tx, ty) = promoted;
      placed = promoted;
      score = score_version(captured, placed, x, y, tx, ty);
    } else {
      placed = moving;
      score = score_version(captured, moving, x, y, tx, ty);
      board(tx, ty) = promoted;
      const Score promoted_score = score_version(captured, promoted, x, y, tx, ty);
      if (promoted_score > score) {
        score = promoted_score;
        placed = promoted;
      }
      if (moving == PAWN || moving == BISHOP || moving == ROOK) placed = promoted;
    }
    board(tx, ty) = captured;
    board(x, y) = moving;
    return improves(score, x, y, tx, ty, moving, placed) && captured == -KING;
  }

  // Answers true when a king capture ended the search.
  bool board_moves() {
    for (int x = 1; x <= 9; ++x) {
      tick();
      for (int y = 1; y <= 9; ++y) {
        if (state_.board(x, y) < 10) continue;
        SquareSet targets = move_targets(reach_, state_.board, x, y);
        for (; targets != 0; targets &= targets - 1) {
          const int index = lowest_square(targets);
          if (board_move(x, y, square_x(index), square_y(index))) return true;
        }
      }
    }
    return false;
  }

  bool drop(int kind, int piece, int tx, int ty) {
    state_.board(tx, ty) = piece;
    const Score score = score_version(EMPTY, piece, UPPER_HAND_COLUMN, kind, tx, ty);
    state_.board(tx, ty) = EMPTY;
    return improves(score, UPPER_HAND_COLUMN, kind, tx, ty, piece, piece) &&
           best_.score >= MATE_SCORE;
  }

  void drops() {
    const UpperDropMaps maps(reach_, state_.board);
    for (int kind = 1; kind <= 7; ++kind) {
      tick();
      if (state_.upper_hand[kind] <= 0) continue;
      const int piece = HAND_SLOT_CODES[kind];
      for (SquareSet targets = maps.targets(kind); targets != 0; targets &= targets - 1) {
        const int index = lowest_square(targets);
        if (drop(kind, piece, square_x(index), square_y(index))) return;
      }
    }
  }

  ComWorld& w_;
  GameState& state_;
  CandidateSink* sink_;
  TurnTicker* ticker_;
  ComMove best_;
  ReachState reach_;  // the search's own maps; the scoring uses w.reach
};

}  // namespace

void prepare_turn(ComWorld& w) {
  ComContext& context = w.context;
  copy_squares(context.board_at_turn_start, w.state.board);
  context.escape_count_before = count_king_escapes(w);
  analyze_board(w.state, w.tables);
  mark_bishop_check_squares(w);
  mark_pinned_pieces(w);
  copy_squares(context.lower_attack_before, w.tables.lower_attack_count);
  copy_squares(context.upper_attack_before, w.tables.upper_attack_count);
  copy_squares(context.upper_attacker_x_before, w.tables.upper_attacker_x);
  copy_squares(context.upper_attacker_y_before, w.tables.upper_attacker_y);
}

ComMove search_best_move(ComWorld& w, CandidateSink* sink, TurnTicker* ticker) {
  return Search(w, sink, ticker).run();
}

SquareSet upper_drop_targets(const Board& board, int kind) {
  ReachState reach;
  return UpperDropMaps(reach, board).targets(kind);
}

bool upper_has_candidate(ReachState& reach, const GameState& state) {
  for (int x = 1; x <= 9; ++x) {
    for (int y = 1; y <= 9; ++y) {
      if (state.board(x, y) < 10) continue;
      build_reach_map(reach, state.board, x, y, REACH_DESTINATIONS);
      if (squares_of(reach.reach_map) != 0) return true;
    }
  }
  if (state.upper_hand_total <= 0) return false;
  for (int kind = 1; kind <= 7; ++kind) {
    if (state.upper_hand[kind] > 0 && upper_drop_targets(state.board, kind) != 0) return true;
  }
  return false;
}

}  // namespace kumora
