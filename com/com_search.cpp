#include "com/com_search.h"

#include <algorithm>
#include <cstdlib>

#include "analysis/analyze_board.h"
#include "com/evaluations.h"
#include "com/score_move.h"
#include "rules/candidates.h"

namespace kumora {

namespace {

void copy_squares(BoardTable& to, const BoardTable& from) {
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) to(x, y) = from(x, y);
}

// Is the candidate after `c` the promoted version of the same move?
bool promoted_version_follows(const CandidateList& list, int i) {
  if (i + 1 >= list.count) return false;
  const Candidate& c = list.move[i];
  const Candidate& next = list.move[i + 1];
  return next.from_x == c.from_x && next.from_y == c.from_y && next.to_x == c.to_x &&
         next.to_y == c.to_y;
}

class Search {
 public:
  Search(ComWorld& w, CandidateSink* sink, TurnTicker* ticker)
      : w_(w), state_(w.state), sink_(sink), ticker_(ticker) {}

  ComMove run() {
    generate_candidates(state_.board, state_.upper_hand, +1, candidates_);
    if (board_moves()) return best_;
    if (state_.upper_hand_total > 0) drops();
    return best_;
  }

 private:
  void tick() {
    if (ticker_ != nullptr) ticker_->tick();
  }

  Score score_version(const Candidate& c) {
    const Score score = score_candidate(w_, c);
    if (sink_ != nullptr) sink_->scored(c.from_x, c.from_y, c.to_x, c.to_y, c.placed, score);
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
  // Answers true when a king capture ended the search.
  bool board_move(const Candidate& c, const Candidate* promoted) {
    Score score = score_version(c);
    int placed = c.placed;
    if (promoted != nullptr) {
      const Score promoted_score = score_version(*promoted);
      if (promoted_score > score) {
        score = promoted_score;
        placed = promoted->placed;
      }
      if (c.moved == PAWN || c.moved == BISHOP || c.moved == ROOK) placed = promoted->placed;
    }
    return improves(score, c.from_x, c.from_y, c.to_x, c.to_y, c.moved, placed) &&
           state_.board(c.to_x, c.to_y) == -KING;
  }

  // Origin column outer, the clock ticking once per column.  Answers true
  // when a king capture ended the search.
  bool board_moves() {
    for (int x = 1; x <= 9; ++x) {
      tick();
      for (; next_ < candidates_.count; ++next_) {
        const Candidate& c = candidates_.move[next_];
        if (c.is_drop() || c.from_x != x) break;
        const bool promotable = promoted_version_follows(candidates_, next_);
        if (board_move(c, promotable ? &candidates_.move[next_ + 1] : nullptr)) return true;
        if (promotable) ++next_;
      }
    }
    return false;
  }

  bool drop(const Candidate& c) {
    const Score score = score_version(c);
    return improves(score, c.from_x, c.from_y, c.to_x, c.to_y, c.placed, c.placed) &&
           best_.score >= MATE_SCORE;
  }

  // Hand kind outer, the clock ticking once per kind.
  void drops() {
    for (int kind = 1; kind <= 7; ++kind) {
      tick();
      for (; next_ < candidates_.count && drop_slot(candidates_.move[next_]) == kind; ++next_)
        if (drop(candidates_.move[next_])) return;
    }
  }

  ComWorld& w_;
  GameState& state_;
  CandidateSink* sink_;
  TurnTicker* ticker_;
  ComMove best_;
  CandidateList candidates_;
  int next_ = 0;  // the first candidate not yet scored
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

Score score_candidate(ComWorld& w, const Candidate& c) {
  GameState& state = w.state;
  Board& board = state.board;
  const int captured = board(c.to_x, c.to_y);
  if (c.is_drop()) {
    board(c.to_x, c.to_y) = c.placed;
  } else {
    w.context.moving_piece = c.moved;
    w.context.mover_king_distance =
        std::max(std::abs(c.from_x - state.lower_king_x), std::abs(c.from_y - state.lower_king_y));
    board(c.from_x, c.from_y) = EMPTY;
    board(c.to_x, c.to_y) = c.placed;
  }
  analyze_board(state, w.tables);
  const Score score = score_move(w, captured, c.placed, c.from_x, c.from_y, c.to_x, c.to_y);
  board(c.to_x, c.to_y) = captured;
  if (!c.is_drop()) board(c.from_x, c.from_y) = c.moved;
  return score;
}

ComMove search_best_move(ComWorld& w, CandidateSink* sink, TurnTicker* ticker) {
  return Search(w, sink, ticker).run();
}

bool upper_has_candidate(const GameState& state) {
  if (state.upper_hand_total > 0) return side_has_candidate(state.board, state.upper_hand, +1);
  const int no_hand[8] = {};
  return side_has_candidate(state.board, no_hand, +1);
}

}  // namespace kumora
