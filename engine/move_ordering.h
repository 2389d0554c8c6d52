// The order in which the search tries the moves of a position: the table's
// move, captures by the value taken against the value of the travelling
// piece, the killer moves of the ply, the other board moves by their history,
// drops last.
#pragma once

#include <cstdint>

#include "engine/evaluation.h"
#include "rules/candidates.h"

namespace kumora {

// How often a quiet move has cut the search off, by side, origin and destination.
struct MoveHistory {
  static constexpr int LIMIT = 1 << 14;
  int score[2][88][81] = {};

  int of(int side, const Candidate& move) const;
  // Moves the score toward +LIMIT (bonus > 0) or -LIMIT (bonus < 0).
  void reward(int side, const Candidate& move, int bonus);
  void clear();
};

struct Killers {
  Candidate move[2];
  void add(const Candidate& move);
  void clear() { move[0] = move[1] = Candidate{}; }
};

bool is_capture(const Board& board, const Candidate& move);

// Fills scores[i] for every move of the list (higher first).
void score_moves(const CandidateList& moves, int* scores, const Board& board, int side,
                 std::uint16_t table_move, const Killers& killers, const MoveHistory& history,
                 const PieceValues& values);

// Brings the best-scored of moves i..count-1 to place i.
void bring_best_forward(CandidateList& moves, int* scores, int i);

}  // namespace kumora
