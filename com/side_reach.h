// Every chain move of one side at once: the link graph of its pieces and, for
// each piece, the squares where its chain moves end; and the squares where
// the side may drop each kind from its hand.  The same squares as
// build_reach_map gives piece by piece, computed once for the whole side.
#pragma once

#include <cstdint>

#include "com/square_set.h"
#include "core/board.h"

namespace kumora {

// At most 40 pieces exist; one side never holds them all on the board at once.
constexpr int MAX_SIDE_PIECES = 40;

using PieceMask = std::uint64_t;  // bit i: the side's piece number i

struct SideReach {
  int side = 0;   // +1 the upper side (positive codes), -1 the lower side
  int count = 0;  // the side's pieces on the board, numbered in scan order
  std::int8_t square[MAX_SIDE_PIECES] = {};   // set index of the piece's square
  std::int16_t code[MAX_SIDE_PIECES] = {};
  SquareSet steps[MAX_SIDE_PIECES] = {};      // one step or slide of the piece, any target
  PieceMask links[MAX_SIDE_PIECES] = {};      // own pieces among its steps
  SquareSet destinations[MAX_SIDE_PIECES] = {};  // where its chain moves end
  SquareSet reached = 0;            // every destination of every piece
  SquareSet own = 0;                // squares of the side's pieces
  SquareSet occupied = 0;           // squares of every piece
  SquareSet own_pawn_columns = 0;   // every square of the columns holding an own pawn
  int king = -1;                    // set index of the side's king, -1 when it has none
  std::int8_t number_of_square[81] = {};  // the piece number on each own square
};

// Fills `reach` for the pieces of `side` on `board`.
void build_side_reach(const Board& board, int side, SideReach& reach);

// The same for both sides, in two steps: one scan of the board finds the
// pieces of both, then complete_side_reach follows the chains of each.  The
// scan reads only `squares`, which must include every occupied square.
void scan_sides(const Board& board, SquareSet squares, SideReach& upper, SideReach& lower);
void complete_side_reach(SideReach& reach);

// Does the piece with this code belong to the side?
inline bool piece_of_side(int code, int side) { return side > 0 ? code >= 10 : code <= -10; }

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
