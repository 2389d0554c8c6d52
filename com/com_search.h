// The pure part of the computer's turn: the preparation of the tables it
// reads, and the one-ply search over every chain move and drop.
#pragma once

#include "com/score.h"
#include "com/search_context.h"
#include "rules/candidates.h"
#include "rules/square_set.h"

namespace kumora {

// The move the search chose.  A drop has from_x = -1 and from_y = hand slot;
// moved is the code before the move, placed the code standing on the
// destination after it.
struct ComMove {
  int from_x = 0, from_y = 0, to_x = 0, to_y = 0;
  int moved = 0, placed = 0;
  Score score = NO_SCORE_YET;
  bool found = false;
};

// The move alone, as the rules' generator lists it.
inline Candidate candidate_of(const ComMove& move) {
  return {static_cast<std::int8_t>(move.from_x), static_cast<std::int8_t>(move.from_y),
          static_cast<std::int8_t>(move.to_x),   static_cast<std::int8_t>(move.to_y),
          static_cast<std::int16_t>(move.moved), static_cast<std::int16_t>(move.placed)};
}

// Told of every scoring of a candidate, in the order of the search (twice for
// a move tried both unpromoted and promoted).
struct CandidateSink {
  virtual void scored(int fx, int fy, int tx, int ty, int placed, Score score) = 0;

 protected:
  ~CandidateSink() = default;
};

// Called once per origin column and once per hand kind, so that the window can
// keep its clock moving while the search runs.
struct TurnTicker {
  virtual void tick() = 0;

 protected:
  ~TurnTicker() = default;
};

// Before the search: the snapshot of the board, the lower king's free squares
// counted on the tables as they stand, a fresh analysis, the threat maps and
// the copies of the tables the scoring compares with.
void prepare_turn(ComWorld& w);

// Plays one candidate of the upper side on the real board, rebuilds the
// attack tables, scores it and restores the board.  A board move sets the
// context's moving_piece and mover_king_distance first; a drop leaves the
// values of the last board move, as the search does.
Score score_candidate(ComWorld& w, const Candidate& c);

// Tries every board move of the upper side (origin column outer, row inner;
// destination column outer, row inner; unpromoted before promoted) and then,
// when the upper hand holds anything, every drop by kind 1..7, on the real
// board, restoring it after each candidate.  The first candidate with the
// highest score wins; a king capture, or a drop scoring 9998 or more, that
// becomes the best ends the search at once.  sink and ticker may be null.
ComMove search_best_move(ComWorld& w, CandidateSink* sink, TurnTicker* ticker);

// True when the search has at least one candidate (generate_candidates of
// the upper side, drops only while the upper hand total is above 0).
bool upper_has_candidate(const GameState& state);

}  // namespace kumora
