#include "tests/support/literal_search.h"

#include <algorithm>
#include <cstdlib>

#include "analysis/analyze_board.h"
#include "com/score_move.h"
#include "rules/drops_promotion.h"
#include "tests/support/literal_reach.h"

namespace kumora::literal {

namespace {

struct Turn {
  ComWorld& w;
  CandidateSink* sink;
  TurnTicker* ticker;
  ComMove best;

  void tick() {
    if (ticker != nullptr) ticker->tick();
  }

  Score score(int captured, int placed, int fx, int fy, int tx, int ty) {
    analyze_board(w.state, w.tables);
    const Score s = score_move(w, captured, placed, fx, fy, tx, ty);
    if (sink != nullptr) sink->scored(fx, fy, tx, ty, placed, s);
    return s;
  }

  bool keep_if_better(Score s, int fx, int fy, int tx, int ty, int moved, int placed) {
    if (s > best.score) {
      best = ComMove{fx, fy, tx, ty, moved, placed, s, true};
      return true;
    }
    return false;
  }
};

// Answers true when the search stops at once (a king was taken).
bool try_board_move(Turn& turn, int x, int y, int tx, int ty) {
  GameState& st = turn.w.state;
  const int moving_piece = st.board(x, y);
  turn.w.context.moving_piece = moving_piece;
  turn.w.context.mover_king_distance =
      std::max(std::abs(x - st.lower_king_x), std::abs(y - st.lower_king_y));
  const int captured = st.board(tx, ty);
  st.board(x, y) = 0;
  st.board(tx, ty) = moving_piece;
  const int promoted = promoted_code(x, y, tx, ty, moving_piece);
  Score score;
  int placed;
  if (promoted == moving_piece) {
    score = turn.score(captured, moving_piece, x, y, tx, ty);
    placed = moving_piece;
  } else if (!may_stay_unpromoted(ty, moving_piece)) {
    st.board(tx, ty) = promoted;
    score = turn.score(captured, promoted, x, y, tx, ty);
    placed = promoted;
  } else {
    score = turn.score(captured, moving_piece, x, y, tx, ty);
    placed = moving_piece;
    st.board(tx, ty) = promoted;
    const Score s2 = turn.score(captured, promoted, x, y, tx, ty);
    if (s2 > score) {
      score = s2;
      placed = promoted;
    }
    if (moving_piece == 10 || moving_piece == 800 || moving_piece == 900) placed = promoted;
  }
  st.board(tx, ty) = captured;
  st.board(x, y) = moving_piece;
  return turn.keep_if_better(score, x, y, tx, ty, moving_piece, placed) && captured == -950;
}

bool board_moves(Turn& turn) {
  GameState& st = turn.w.state;
  ReachState reach;
  for (int x = 1; x <= 9; ++x) {
    turn.tick();
    for (int y = 1; y <= 9; ++y) {
      if (st.board(x, y) < 10) continue;
      build_reach_map(reach, st.board, x, y, REACH_DESTINATIONS);
      const SquareMarks local = reach.reach_map;
      for (int tx = 1; tx <= 9; ++tx)
        for (int ty = 1; ty <= 9; ++ty)
          if (local(tx, ty) && try_board_move(turn, x, y, tx, ty)) return true;
    }
  }
  return false;
}

// The drop map as built for every kind, and again from the own pieces only
// that the kind may legally be dropped on.
SquareMarks legal_drop_map(const Board& board, int k) {
  ReachState reach;
  build_reach_map(reach, board, -1, k, REACH_DESTINATIONS);
  const SquareMarks full = reach.reach_map;
  for (int i = 1; i <= 9; ++i)
    for (int j = 1; j <= 9; ++j) {
      reach.reach_map(i, j) = false;
      reach.reach_expanded(i, j) = false;
    }
  for (int i = 1; i <= 9; ++i)
    for (int j = 1; j <= 9; ++j) {
      const int v = board(i, j);
      const bool legal_start = (k == 1 || k == 2) ? j != 9 : (k == 3 ? j != 8 && j != 9 : true);
      if (v >= 10 && legal_start)
        spread_reach(reach, board, i, j, v, Flood::Drop, REACH_DESTINATIONS);
    }
  SquareMarks map;
  for (int tx = 1; tx <= 9; ++tx)
    for (int ty = 1; ty <= 9; ++ty) {
      const bool second_pawn = k == 1 && second_pawn_in_file(board, -1, tx, 10);
      map(tx, ty) = full(tx, ty) && reach.reach_map(tx, ty) && !second_pawn;
    }
  return map;
}

void drops(Turn& turn) {
  GameState& st = turn.w.state;
  const int codes[8] = {0, 10, 20, 30, 100, 110, 800, 900};
  for (int k = 1; k <= 7; ++k) {
    turn.tick();
    if (st.upper_hand[k] <= 0) continue;
    const int piece = codes[k];
    const SquareMarks local = legal_drop_map(st.board, k);
    for (int tx = 1; tx <= 9; ++tx)
      for (int ty = 1; ty <= 9; ++ty) {
        if (!local(tx, ty)) continue;
        st.board(tx, ty) = piece;
        const Score s = turn.score(0, piece, -1, k, tx, ty);
        st.board(tx, ty) = 0;
        if (turn.keep_if_better(s, -1, k, tx, ty, piece, piece) && turn.best.score >= 99980) return;
      }
  }
}

}  // namespace

ComMove search_best_move(ComWorld& w, CandidateSink* sink, TurnTicker* ticker) {
  Turn turn{w, sink, ticker, ComMove{}};
  const bool drops_allowed = w.state.upper_hand_total > 0;
  if (board_moves(turn)) return turn.best;
  if (drops_allowed) drops(turn);
  return turn.best;
}

bool lower_king_mated(ComWorld& w) {
  const GameState& st = w.state;
  SquareMarks covered;
  ReachState reach;
  auto add_map = [&] {
    for (int i = 1; i <= 9; ++i)
      for (int j = 1; j <= 9; ++j)
        if (reach.reach_map(i, j)) covered(i, j) = true;
  };
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y)
      if (st.board(x, y) >= 10) {
        build_reach_map(reach, st.board, x, y, REACH_COVERAGE);
        add_map();
      }
  for (int k = 1; k <= 7; ++k)
    if (st.upper_hand[k] > 0) {
      build_reach_map(reach, st.board, -1, k, REACH_COVERAGE);
      add_map();
    }
  build_reach_map(reach, st.board, st.lower_king_x, st.lower_king_y, REACH_COVERAGE);
  for (int i = 1; i <= 9; ++i)
    for (int j = 1; j <= 9; ++j)
      if (reach.reach_map(i, j) && !covered(i, j)) return false;
  return true;
}

}  // namespace kumora::literal
