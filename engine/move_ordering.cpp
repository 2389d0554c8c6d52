#include "engine/move_ordering.h"

#include <algorithm>
#include <utility>

#include "engine/move_code.h"

namespace kumora {

namespace {

constexpr int TABLE_MOVE = 1 << 30;
constexpr int KING_CAPTURE = 1 << 29;
constexpr int CAPTURE = 1 << 28;
constexpr int KILLER = 1 << 26;
constexpr int DROP = -(1 << 24);

int side_number(int side) { return side > 0 ? 1 : 0; }

}  // namespace

int MoveHistory::of(int side, const Candidate& move) const {
  return score[side_number(side)][origin_number(move)][destination_number(move)];
}

void MoveHistory::reward(int side, const Candidate& move, int bonus) {
  int& entry = score[side_number(side)][origin_number(move)][destination_number(move)];
  const int magnitude = bonus < 0 ? -bonus : bonus;
  entry += bonus - entry * magnitude / LIMIT;
}

void MoveHistory::clear() { *this = MoveHistory{}; }

void Killers::add(const Candidate& m) {
  if (move[0] == m) return;
  move[1] = move[0];
  move[0] = m;
}

bool is_capture(const Board& board, const Candidate& move) {
  return board(move.to_x, move.to_y) != EMPTY;
}

void score_moves(const CandidateList& moves, int* scores, const Board& board, int side,
                 std::uint16_t table_move, const Killers& killers, const MoveHistory& history,
                 const PieceValues& values) {
  for (int i = 0; i < moves.count; ++i) {
    const Candidate& move = moves.move[i];
    const int promotes = move.placed != move.moved ? 1 : 0;
    int score;
    if (table_move != 0 && move_code(move) == table_move) {
      score = TABLE_MOVE;
    } else if (const int taken = board(move.to_x, move.to_y); taken == -side * KING) {
      score = KING_CAPTURE;
    } else if (taken != EMPTY) {
      score = CAPTURE + values.of(taken) * 64 - values.of(move.moved) + promotes;
    } else if (move == killers.move[0]) {
      score = KILLER + 2;
    } else if (move == killers.move[1]) {
      score = KILLER + 1;
    } else {
      score = history.of(side, move) * 2 + promotes + (move.is_drop() ? DROP : 0);
    }
    scores[i] = score;
  }
}

// The highest score first, in a loop the compiler can run on several scores
// at once, then the first move that has it.
void bring_best_forward(CandidateList& moves, int* scores, int i) {
  int highest = scores[i];
  for (int j = i + 1; j < moves.count; ++j) highest = std::max(highest, scores[j]);
  int best = i;
  while (scores[best] != highest) ++best;
  if (best == i) return;
  std::swap(moves.move[i], moves.move[best]);
  std::swap(scores[i], scores[best]);
}

}  // namespace kumora
