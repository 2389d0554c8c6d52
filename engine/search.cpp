#include "engine/search.h"

#include <algorithm>
#include <cmath>

#include "engine/move_code.h"
#include "engine/search_clock.h"

namespace kumora {

namespace {

constexpr int INFINITE_SCORE = 32000;
constexpr int DRAW_SCORE = 0;
constexpr int MAX_DEPTH = MAX_PLY - 8;
constexpr int QUIESCENCE_DELTA = 200;

int mate_in(int ply) { return ENGINE_MATE - ply; }
int mated_in(int ply) { return -ENGINE_MATE + ply; }

// Mate scores are stored relative to the position, not the root.
int to_table(int score, int ply) {
  if (score >= ENGINE_MATE_BOUND) return score + ply;
  if (score <= -ENGINE_MATE_BOUND) return score - ply;
  return score;
}

int from_table(int score, int ply) {
  if (score >= ENGINE_MATE_BOUND) return score - ply;
  if (score <= -ENGINE_MATE_BOUND) return score + ply;
  return score;
}

struct ReductionTable {
  int by[MAX_PLY][64] = {};
  ReductionTable() {
    for (int depth = 1; depth < MAX_PLY; ++depth)
      for (int moves = 1; moves < 64; ++moves)
        by[depth][moves] = static_cast<int>(0.5 + std::log(depth) * std::log(moves) / 2.2);
  }
  int of(int depth, int moves) const {
    return by[std::min(depth, MAX_PLY - 1)][std::min(moves, 63)];
  }
};

const ReductionTable REDUCTIONS;

// The game's earlier positions, with a bit filter in front of the list.
class GameHistory {
 public:
  explicit GameHistory(const EnginePosition& position) : position_(position) {
    for (int i = 0; i < position.history_count; ++i) filter_[bit_of(position.history[i])] = true;
  }
  bool holds(PositionKey key) const {
    if (!filter_[bit_of(key)]) return false;
    for (int i = 0; i < position_.history_count; ++i)
      if (position_.history[i] == key) return true;
    return false;
  }

 private:
  static int bit_of(PositionKey key) { return static_cast<int>(key >> 52); }
  const EnginePosition& position_;
  bool filter_[4096] = {};
};

class Search {
 public:
  Search(const EnginePosition& start, const EngineLimits& limits, const std::atomic<bool>* stop,
         const EngineParameters& parameters, TranspositionTable& table, SearchWorkspace& ws,
         int first_depth)
      : first_depth_(first_depth),
        variety_(limits.variety),
        variety_seed_(std::uint64_t{limits.variety_seed} * 0xD6E8FEB86659FD93ULL),
        start_(start),
        clock_(limits.nodes, limits.seconds, limits.iteration_seconds, stop),
        p_(parameters),
        values_(parameters),
        table_(table),
        ws_(ws),
        history_(start) {
    position_ = search_position(start.board, start.lower_hand, start.upper_hand, start.side);
  }

  EngineResult run();

 private:
  // Root.
  bool prepare_root();
  int search_root(int depth, int alpha, int beta);
  void sort_root_moves(int best_index);

  int search(int depth, int alpha, int beta, int ply, bool null_allowed);
  int quiesce(int alpha, int beta, int ply);
  int null_move_search(int depth, int beta, int ply);
  int search_move(const Candidate& move, int depth, int alpha, int beta, int ply, int reduction,
                  bool full_window);
  void generate(PlyData& d, bool captures_only);
  void reward_cutoff(PlyData& d, const Candidate& move, int depth, int tried);

  // Both sides' chains; false when the side to move can take the king at once.
  bool read_chains(PlyData& d, int ply);
  // Plays the move and tells the next ply how its position was reached.
  void play_move(const Candidate& move, MoveUndo& undo, int ply);
  bool in_check(const PlyData& d) const;
  // The evaluation, moved by the level's variety.
  int judge(const PlyData& d) const;
  bool is_draw(int ply) const;
  void store_pv(int ply, const Candidate& move);

  int first_depth_;
  int variety_;
  std::uint64_t variety_seed_;
  const EnginePosition& start_;
  SearchClock clock_;
  const EngineParameters& p_;
  PieceValues values_;
  TranspositionTable& table_;
  SearchWorkspace& ws_;
  GameHistory history_;
  SearchPosition position_;
  PositionKey path_[MAX_PLY + 2] = {};
  int root_scores_[CANDIDATE_CAPACITY] = {};
};

// The chains of the ply before, brought up to date; built from the board at
// the root, for both sides, since every ply after it starts from them.
bool Search::read_chains(PlyData& d, int ply) {
  const PlyData* before = ply > 0 ? &ws_.ply[ply - 1] : nullptr;
  switch (d.arrival) {
    case Arrival::Root:
      if (position_.side > 0)
        scan_sides(position_.board, position_.occupied, d.mover, d.other);
      else
        scan_sides(position_.board, position_.occupied, d.other, d.mover);
      complete_side_reach(d.mover);
      complete_side_reach(d.other);
      d.on_board[position_.side > 0 ? 1 : 0] = board_material(d.mover, values_);
      d.on_board[position_.side > 0 ? 0 : 1] = board_material(d.other, values_);
      break;
    case Arrival::Pass:
      d.mover = before->other;
      d.other = before->mover;
      break;
    case Arrival::Move: {
      follow_move(before->other, d.change, d.mover);
      // The side that moved: its king stands where it stood unless it moved.
      const int king = d.change.placed == -position_.side * KING ? d.change.to : before->mover.king;
      if (king >= 0 && (d.mover.reached & (SquareSet{1} << king)) != 0) return false;
      follow_move(before->mover, d.change, d.other);
      break;
    }
  }
  return d.other.king < 0 || (d.mover.reached & (SquareSet{1} << d.other.king)) == 0;
}

void Search::play_move(const Candidate& move, MoveUndo& undo, int ply) {
  const int mover = position_.side > 0 ? 1 : 0;
  play(position_, move, undo);
  table_.prefetch(position_.key);
  const PlyData& here = ws_.ply[ply];
  PlyData& next = ws_.ply[ply + 1];
  next.on_board[mover] = here.on_board[mover] + values_.of(move.placed) -
                         (move.is_drop() ? 0 : values_.of(move.moved));
  next.on_board[1 - mover] = here.on_board[1 - mover] - values_.of(undo.captured);
  next.arrival = Arrival::Move;
  next.change.from = move.is_drop() ? -1 : (move.from_x - 1) * 9 + (move.from_y - 1);
  next.change.to = (move.to_x - 1) * 9 + (move.to_y - 1);
  next.change.placed = move.placed;
  next.change.captured = undo.captured;
}

int Search::judge(const PlyData& d) const {
  const int value = evaluate_with_material(position_, d.mover, d.other, p_, values_, d.on_board);
  if (variety_ == 0) return value;
  std::uint64_t h = (position_.key ^ variety_seed_) * 0x9E3779B97F4A7C15ULL;
  h ^= h >> 29;
  return value + static_cast<int>(h % (2 * variety_ + 1)) - variety_;
}

bool Search::in_check(const PlyData& d) const {
  return d.mover.king >= 0 && (d.other.reached & (SquareSet{1} << d.mover.king)) != 0;
}

bool Search::is_draw(int ply) const {
  if (start_.moves_played + ply >= RECORD_LIMIT) return true;
  const PositionKey key = position_.key;
  for (int p = ply - 2; p >= 0; p -= 2)
    if (path_[p] == key) return true;
  return history_.holds(key);
}

void Search::store_pv(int ply, const Candidate& move) {
  PlyData& d = ws_.ply[ply];
  d.pv[0] = move;
  const PlyData& child = ws_.ply[ply + 1];
  const int length = std::min(child.pv_length, MAX_PLY - 1);
  for (int i = 0; i < length; ++i) d.pv[i + 1] = child.pv[i];
  d.pv_length = length + 1;
}

void Search::generate(PlyData& d, bool captures_only) {
  d.moves.count = 0;
  if (captures_only) {
    add_board_moves_onto(d.mover, d.mover.occupied & ~d.mover.own, d.moves);
    return;
  }
  add_board_candidates(d.mover, d.moves);
  const int* hand = position_.hand_of(position_.side);
  add_drop_candidates(d.mover, build_drop_maps(d.mover, hand), hand, d.moves);
}

void Search::reward_cutoff(PlyData& d, const Candidate& move, int depth, int tried) {
  if (is_capture(position_.board, move)) return;
  d.killers.add(move);
  const int bonus = std::min(depth * depth, 400);
  ws_.history.reward(position_.side, move, bonus);
  for (int i = 0; i < tried; ++i) {
    const Candidate& earlier = d.moves.move[i];
    if (!is_capture(position_.board, earlier)) ws_.history.reward(position_.side, earlier, -bonus);
  }
}

// Plays the move, searches the reply at the given reduction (null window
// unless full_window), and takes the move back.
int Search::search_move(const Candidate& move, int depth, int alpha, int beta, int ply,
                        int reduction, bool full_window) {
  MoveUndo undo;
  play_move(move, undo, ply);
  path_[ply + 1] = position_.key;
  int score;
  if (full_window) {
    score = -search(depth - 1, -beta, -alpha, ply + 1, true);
  } else {
    score = -search(depth - 1 - reduction, -alpha - 1, -alpha, ply + 1, true);
    if (score > alpha && reduction > 0 && !clock_.stopped())
      score = -search(depth - 1, -alpha - 1, -alpha, ply + 1, true);
    if (score > alpha && score < beta && !clock_.stopped())
      score = -search(depth - 1, -beta, -alpha, ply + 1, true);
  }
  take_back(position_, move, undo);
  return score;
}

int Search::null_move_search(int depth, int beta, int ply) {
  const int reduction = 2 + depth / 4;
  pass_turn(position_);
  ws_.ply[ply + 1].arrival = Arrival::Pass;
  ws_.ply[ply + 1].on_board[0] = ws_.ply[ply].on_board[0];
  ws_.ply[ply + 1].on_board[1] = ws_.ply[ply].on_board[1];
  path_[ply + 1] = position_.key;
  const int score = -search(depth - 1 - reduction, -beta, -beta + 1, ply + 1, false);
  pass_turn(position_);
  return score;
}

int Search::search(int depth, int alpha, int beta, int ply, bool null_allowed) {
  if (depth <= 0) return quiesce(alpha, beta, ply);
  PlyData& d = ws_.ply[ply];
  d.pv_length = 0;
  if (clock_.count_node()) return 0;
  if (is_draw(ply)) return DRAW_SCORE;
  if (ply >= MAX_PLY - 1) return quiesce(alpha, beta, ply);
  alpha = std::max(alpha, mated_in(ply));
  beta = std::min(beta, mate_in(ply + 1));
  if (alpha >= beta) return alpha;
  const bool pv_node = beta - alpha > 1;

  // The chains first, while the table's line comes in from memory (as in quiesce).
  const bool king_safe = read_chains(d, ply);
  const std::optional<TableEntry> entry = table_.probe(position_.key);
  const std::uint16_t table_move = entry.has_value() ? entry->move : 0;
  if (entry.has_value() && !pv_node && entry->depth >= depth) {
    const int score = from_table(entry->score, ply);
    if (entry->bound == Bound::Exact || (entry->bound == Bound::Lower && score >= beta) ||
        (entry->bound == Bound::Upper && score <= alpha))
      return score;
  }

  if (!king_safe) return mate_in(ply);
  const bool checked = in_check(d);
  if (p_.internal_reduction != 0 && table_move == 0 && depth >= 4) --depth;
  const int eval = checked ? 0 : judge(d);
  if (!pv_node && !checked) {
    if (p_.futility_margin > 0 && depth <= 3 && eval - p_.futility_margin * depth >= beta)
      return eval;
    if (p_.null_move != 0 && null_allowed && depth >= 3 && eval >= beta) {
      const int score = null_move_search(depth, beta, ply);
      if (clock_.stopped()) return 0;
      if (score >= beta) return score >= ENGINE_MATE_BOUND ? beta : score;
    }
  }

  generate(d, false);
  if (d.moves.count == 0) return mated_in(ply);
  score_moves(d.moves, d.order, position_.board, position_.side, table_move, d.killers, ws_.history,
              values_);
  const int alpha_before = alpha;
  int best = -INFINITE_SCORE;
  Candidate best_move;
  const bool shallow = !pv_node && !checked && depth <= 3;
  int quiet_allowance = shallow && p_.late_move_pruning > 0 ? p_.late_move_pruning + depth * depth
                                                            : CANDIDATE_CAPACITY;
  // Quiet moves cannot lift a position this far below alpha so close to the horizon.
  if (shallow && p_.quiet_futility > 0 && depth <= 2 && eval + p_.quiet_futility * depth <= alpha)
    quiet_allowance = 0;
  int quiet_tried = 0;
  for (int i = 0; i < d.moves.count; ++i) {
    bring_best_forward(d.moves, d.order, i);
    const Candidate move = d.moves.move[i];
    const bool quiet = !is_capture(position_.board, move) && move.placed == move.moved;
    if (quiet && best > -ENGINE_MATE_BOUND && ++quiet_tried > quiet_allowance) break;
    int reduction = 0;
    if (p_.late_move_reduction != 0 && depth >= 3 && i >= 3 && quiet && !checked)
      reduction = std::min(REDUCTIONS.of(depth, i) * p_.late_move_reduction / 100, depth - 2);
    const int score = search_move(move, depth, alpha, beta, ply, reduction, i == 0);
    if (clock_.stopped()) return 0;
    if (score <= best) continue;
    best = score;
    best_move = move;
    if (score <= alpha) continue;
    alpha = score;
    store_pv(ply, move);
    if (alpha >= beta) {
      reward_cutoff(d, move, depth, i);
      break;
    }
  }
  const Bound bound = best >= beta          ? Bound::Lower
                      : best > alpha_before ? Bound::Exact
                                            : Bound::Upper;
  table_.store(position_.key, to_table(best, ply), depth, bound, move_code(best_move));
  return best;
}

// Captures only, each in its promoted version where it may promote; the side
// to move may always stand on the evaluation instead.  A threat on its own
// king is not answered here: answering every one cost more than it won.
int Search::quiesce(int alpha, int beta, int ply) {
  PlyData& d = ws_.ply[ply];
  d.pv_length = 0;
  if (clock_.count_node()) return 0;
  // The chains first, while the table's line comes in from memory; a position
  // whose king can be taken is never stored, so the order changes nothing.
  const bool king_safe = read_chains(d, ply);
  if (const std::optional<TableEntry> entry =
          beta - alpha == 1 ? table_.probe(position_.key) : std::nullopt;
      entry.has_value()) {
    const int score = from_table(entry->score, ply);
    if (entry->bound == Bound::Exact || (entry->bound == Bound::Lower && score >= beta) ||
        (entry->bound == Bound::Upper && score <= alpha))
      return score;
  }
  // A full record ends the game before a king left capturable can be taken.
  if (start_.moves_played + ply >= RECORD_LIMIT) return DRAW_SCORE;
  if (!king_safe) return mate_in(ply);
  const int eval = judge(d);
  if (eval >= beta || ply >= MAX_PLY - 1) return eval;
  const int alpha_before = alpha;
  alpha = std::max(alpha, eval);
  int best = eval;
  generate(d, true);
  score_moves(d.moves, d.order, position_.board, position_.side, 0, d.killers, ws_.history,
              values_);
  for (int i = 0; i < d.moves.count; ++i) {
    bring_best_forward(d.moves, d.order, i);
    const Candidate move = d.moves.move[i];
    if (eval + values_.of(position_.board(move.to_x, move.to_y)) + QUIESCENCE_DELTA <= alpha)
      continue;
    MoveUndo undo;
    play_move(move, undo, ply);
    const int score = -quiesce(-beta, -alpha, ply + 1);
    take_back(position_, move, undo);
    if (clock_.stopped()) return 0;
    if (score <= best) continue;
    best = score;
    if (score <= alpha) continue;
    alpha = score;
    store_pv(ply, move);
    if (alpha >= beta) break;
  }
  const Bound bound = best >= beta          ? Bound::Lower
                      : best > alpha_before ? Bound::Exact
                                            : Bound::Upper;
  table_.store(position_.key, to_table(best, ply), 0, bound, 0);
  return best;
}

bool Search::prepare_root() {
  PlyData& d = ws_.ply[0];
  path_[0] = position_.key;
  d.arrival = Arrival::Root;
  read_chains(d, 0);
  generate(d, false);
  if (d.moves.count == 0) return false;
  const std::optional<TableEntry> entry = table_.probe(position_.key);
  score_moves(d.moves, d.order, position_.board, position_.side,
              entry.has_value() ? entry->move : 0, d.killers, ws_.history, values_);
  for (int i = 0; i < d.moves.count; ++i) bring_best_forward(d.moves, d.order, i);
  return true;
}

int Search::search_root(int depth, int alpha, int beta) {
  PlyData& d = ws_.ply[0];
  int best = -INFINITE_SCORE;
  int best_index = -1;
  for (int i = 0; i < d.moves.count; ++i) {
    const Candidate move = d.moves.move[i];
    int score;
    if (position_.board(move.to_x, move.to_y) == -position_.side * KING) {
      score = mate_in(0);
    } else {
      score = search_move(move, depth, alpha, beta, 0, 0, i == 0);
    }
    if (clock_.stopped()) break;
    root_scores_[i] = score;
    if (score <= best) continue;
    best = score;
    best_index = i;
    if (score > alpha) {
      alpha = score;
      store_pv(0, move);
      if (position_.board(move.to_x, move.to_y) == -position_.side * KING) {
        d.pv_length = 1;
      }
    }
    if (alpha >= beta) break;
  }
  if (best_index >= 0 && !clock_.stopped()) sort_root_moves(best_index);
  return best;
}

// The best move first, the others by their scores of this iteration.
void Search::sort_root_moves(int best_index) {
  PlyData& d = ws_.ply[0];
  std::swap(d.moves.move[0], d.moves.move[best_index]);
  std::swap(root_scores_[0], root_scores_[best_index]);
  for (int i = 2; i < d.moves.count; ++i)
    for (int j = i; j > 1 && root_scores_[j] > root_scores_[j - 1]; --j) {
      std::swap(d.moves.move[j], d.moves.move[j - 1]);
      std::swap(root_scores_[j], root_scores_[j - 1]);
    }
}

EngineResult Search::run() {
  EngineResult result;
  for (PlyData& ply : ws_.ply) ply.killers.clear();
  if (!prepare_root()) return result;
  PlyData& root = ws_.ply[0];
  result.found = true;
  result.best = root.moves.move[0];
  for (int i = 0; i < root.moves.count; ++i) root_scores_[i] = -INFINITE_SCORE;
  for (int depth = first_depth_; depth <= MAX_DEPTH; ++depth) {
    const int score = search_root(depth, -INFINITE_SCORE, INFINITE_SCORE);
    if (clock_.stopped()) break;
    result.best = root.moves.move[0];
    result.score_cp = score;
    result.depth = depth;
    result.pv_length = std::min(root.pv_length, ENGINE_MAX_PV);
    for (int i = 0; i < result.pv_length; ++i) result.pv[i] = root.pv[i];
    if (score >= ENGINE_MATE_BOUND || !clock_.may_start_iteration()) break;
  }
  result.nodes = clock_.nodes();
  result.seconds = clock_.elapsed();
  return result;
}

}  // namespace

EngineResult run_search(const EnginePosition& position, const EngineLimits& limits,
                        const std::atomic<bool>* stop, const EngineParameters& parameters,
                        TranspositionTable& table, SearchWorkspace& workspace, int first_depth) {
  Search search(position, limits, stop, parameters, table, workspace, first_depth);
  return search.run();
}

}  // namespace kumora
