// The candidate moves of one side, in the order the computer's turn visits
// them: board moves by origin (column outer, row inner), then destination
// (column outer, row inner), the unpromoted version before the promoted one
// where promotion is optional and only the promoted one where it is
// compulsory; then drops by hand kind 1..7, destinations column outer, row
// inner.  Every other user of "all moves of a side" takes them from here.
#pragma once

#include <cstdint>

#include "rules/board.h"
#include "rules/side_reach.h"

namespace kumora {

// One candidate as the record writes it: a board origin, or a hand origin
// (-1, slot 1..7) for the upper side and (11, slot + 2) for the lower side;
// moved is the code before the move, placed the code on the destination after it.
struct Candidate {
  std::int8_t from_x = 0, from_y = 0, to_x = 0, to_y = 0;
  std::int16_t moved = 0, placed = 0;

  bool is_drop() const { return from_x == UPPER_HAND_COLUMN || from_x == LOWER_HAND_COLUMN; }
  bool operator==(const Candidate&) const = default;
};

// The hand slot 1..7 a drop comes from.
inline int drop_slot(const Candidate& c) {
  return c.from_x == LOWER_HAND_COLUMN ? c.from_y - 2 : c.from_y;
}

// Enough for any position: the board moves of 39 pieces onto the other 42
// squares, each in two versions, and 7 kinds dropped on at most 81 squares.
constexpr int CANDIDATE_CAPACITY = 4096;

struct CandidateList {
  int count = 0;
  Candidate move[CANDIDATE_CAPACITY];

  void add(const Candidate& c) { move[count++] = c; }
};

// Appends the board moves of the pieces of reach.side.
void add_board_candidates(const SideReach& reach, CandidateList& list);

// Appends the board moves of reach.side that end on `targets`, one version
// each: the promoted one wherever the piece may promote (for a search that
// looks at captures only).
void add_board_moves_onto(const SideReach& reach, SquareSet targets, CandidateList& list);

// Appends the drops of reach.side from `hand` (slots 1..7).
void add_drop_candidates(const SideReach& reach, const DropMaps& maps, const int* hand,
                         CandidateList& list);

// Every candidate of `side` (+1 upper, -1 lower) with the hand it drops from.
void generate_candidates(const Board& board, const int* hand, int side, CandidateList& list);

// True when `side` has at least one candidate.
bool side_has_candidate(const Board& board, const int* hand, int side);

// The squares where `side` may drop a piece of hand kind 1..7.
SquareSet drop_targets(const Board& board, int side, int kind);

}  // namespace kumora
