// Every chain move of one side at once: the link graph of its pieces and, for
// each piece, the squares where its chain moves end; and the squares where
// the side may drop each kind from its hand.  The same squares as
// build_reach_map gives piece by piece, computed once for the whole side.
#pragma once

#include <cstdint>

#include "rules/board.h"
#include "rules/square_set.h"

namespace kumora {

// The side's pieces are kept by their square's set index; walking the bits of
// `own` upward visits them in the scan order of the board (column outer, row
// inner).  The tables hold meaningful values on the side's own squares only.
struct SideReach {
  int side = 0;                    // +1 the upper side (positive codes), -1 the lower side
  int king = -1;                   // set index of the side's king, -1 when it has none
  SquareSet own = 0;               // squares of the side's pieces
  SquareSet occupied = 0;          // squares of every piece
  SquareSet pawns = 0;             // squares of the side's unpromoted pawns
  SquareSet sliders = 0;           // squares of the side's pieces whose steps depend on blockers
  SquareSet own_pawn_columns = 0;  // every square of the columns holding an own pawn
  SquareSet reached = 0;           // every destination of every piece
  SquareSet all_steps = 0;         // every step of every piece
  int chain_ends = 0;              // destinations counted piece by piece
  int stuck = 0;                   // pieces other than the king without a destination
  std::int16_t code[81] = {};
  SquareSet steps[81] = {};         // one step or slide of the piece, any target
  SquareSet destinations[81] = {};  // where its chain moves end

  SquareSet links(int index) const { return steps[index] & own; }  // own pieces among its steps
};

// Fills `reach` for the pieces of `side` on `board`.
void build_side_reach(const Board& board, int side, SideReach& reach);

// The same for both sides, in two steps: one scan of the board finds the
// pieces of both, then complete_side_reach follows the chains of each.  The
// scan reads only `squares`, which must include every occupied square.
void scan_sides(const Board& board, SquareSet squares, SideReach& upper, SideReach& lower);
void complete_side_reach(SideReach& reach);

// The destinations and `reached` from the steps as they stand: the second
// half of complete_side_reach, for a caller that keeps the steps up to date.
void follow_chains(SideReach& reach);

// Does the piece with this code belong to the side?
inline bool piece_of_side(int code, int side) { return side > 0 ? code >= 10 : code <= -10; }

// Do the steps of this piece depend on which squares are occupied?
bool is_slider(int code);

// The drop maps of one side: the plain drop map (every own piece a start, in
// scan order, as build_reach_map builds it for a hand) and the maps whose
// chains start only on own pieces a pawn or lance, or a knight, may legally be
// dropped on.  The kinds that do not need a map leave it empty.
struct DropMaps {
  SquareSet any_kind = 0;
  SquareSet pawn_or_lance = 0;
  SquareSet knight = 0;
  SquareSet own_pawn_columns = 0;

  // Where a piece of hand kind 1..7 may be dropped.
  SquareSet targets(int kind) const;
};

// The maps for the kinds the hand (slots 1..7) holds.
DropMaps build_drop_maps(const SideReach& reach, const int* hand);

// May a piece of hand kind 1..7 of `side` be dropped onto an own piece on row y?
bool drop_start_allowed(int side, int kind, int y);

}  // namespace kumora
