#include "tools/match/yardstick.h"

#include <algorithm>
#include <vector>

#include "analysis/analyze_board.h"
#include "com/com_search.h"
#include "rules/make_move.h"
#include "rules/reverse.h"

namespace kumora::match {

namespace {

struct ScoredMove {
  Candidate move;
  Score score;
};

// Every candidate of the upper side scored at level 3 as LEVEL3's
// search scores it, best first (ties in the search's order).
std::vector<ScoredMove> scored_moves(GameState& state) {
  state.level = 3;
  recompute_hand_totals(state);
  AttackTables tables;
  ComContext context;
  ReachState reach;
  ComWorld world{state, tables, context, reach};
  analyze_board(state, tables);
  prepare_turn(world);
  static thread_local CandidateList list;
  const int no_hand[8] = {};
  generate_candidates(state.board, state.upper_hand_total > 0 ? state.upper_hand : no_hand, +1,
                      list);
  std::vector<ScoredMove> moves;
  for (int i = 0; i < list.count; ++i)
    moves.push_back({list.move[i], score_candidate(world, list.move[i])});
  std::stable_sort(moves.begin(), moves.end(),
                   [](const ScoredMove& a, const ScoredMove& b) { return a.score > b.score; });
  return moves;
}

class Yardstick : public Player {
 public:
  explicit Yardstick(int depth) : depth_(depth) {}

  bool choose(const MatchGame& game, Candidate& move) override {
    GameState state = game.state;
    if (game.side < 0) reverse_position(state);
    Candidate best;  // stays empty when the side has no move
    value(state, depth_, 1, -INFINITE_VALUE, INFINITE_VALUE, &best);
    if (best.to_x == 0) return false;
    move = game.side < 0 ? turned_round(best) : best;
    return true;
  }

 private:
  // Far beyond any sum of scores along a line, so that a win outweighs them all.
  static constexpr long WIN = 1L << 40;
  static constexpr long WIN_BOUND = WIN - 1000;
  static constexpr long INFINITE_VALUE = WIN + 1;

  static bool decided(long value) { return value >= WIN_BOUND || value <= -WIN_BOUND; }

  // A line's value for the mover, from the value of the position after its
  // move (for the other side): a decided game passes on as it is, any other
  // value adds the move's own score.  Decreasing in `after`, so the window
  // of the position after the move is the image of the mover's window.
  static long through(Score score, long after) { return decided(after) ? -after : score - after; }

  // The value of the position for the upper side to move, `ply` moves from the root.
  long value(GameState& state, int depth, int ply, long alpha, long beta, Candidate* best_move) {
    const std::vector<ScoredMove> moves = scored_moves(state);
    if (moves.empty()) return -(WIN - ply);
    long best = -INFINITE_VALUE;
    for (const ScoredMove& m : moves) {
      long v = m.score;
      if (state.board(m.move.to_x, m.move.to_y) == -KING) {
        v = WIN - ply;
      } else if (depth > 1) {
        GameState reply = state;
        make_move(reply, m.move.from_x, m.move.from_y, m.move.to_x, m.move.to_y, m.move.placed);
        reverse_position(reply);
        const long after = value(reply, depth - 1, ply + 1, through(m.score, beta),
                                 through(m.score, alpha), nullptr);
        v = through(m.score, after);
      }
      if (v > best) {
        best = v;
        if (best_move != nullptr) *best_move = m.move;
      }
      alpha = std::max(alpha, v);
      if (alpha >= beta) break;
    }
    return best;
  }

  int depth_;
};

}  // namespace

std::unique_ptr<Player> make_yardstick(int depth) { return std::make_unique<Yardstick>(depth); }

}  // namespace kumora::match
