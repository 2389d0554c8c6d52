#include "com/side_reach.h"

#include "com/step_patterns.h"

namespace kumora {

namespace {

constexpr PieceMask piece_bit(int i) { return PieceMask{1} << i; }

inline int lowest_piece(PieceMask mask) { return __builtin_ctzll(mask); }

// The own pieces among a set of squares, as piece numbers.
PieceMask pieces_among(SquareSet squares, const std::int8_t* number_of_square) {
  PieceMask mask = 0;
  for (; squares != 0; squares &= squares - 1)
    mask |= piece_bit(number_of_square[lowest_square(squares)]);
  return mask;
}

SquareSet steps_of(const SideReach& reach, PieceMask pieces) {
  SquareSet squares = 0;
  for (; pieces != 0; pieces &= pieces - 1) squares |= reach.steps[lowest_piece(pieces)];
  return squares;
}

// The pieces a chain can pass through after leaving `origin`: everything
// reachable along links from its first links.  The origin is never used as a
// link again: anything beyond it is reachable from one of its first links.
PieceMask chain_links(const SideReach& reach, int origin) {
  const PieceMask barred = piece_bit(origin);
  PieceMask passed = reach.links[origin] & ~barred;
  for (PieceMask open = passed; open != 0;) {
    const int piece = lowest_piece(open);
    open &= open - 1;
    const PieceMask fresh = reach.links[piece] & ~passed & ~barred;
    passed |= fresh;
    open |= fresh;
  }
  return passed;
}

// Every piece reachable from `start` along links, itself included, leaving out
// the pieces in `done` (which already hold all they reach).
PieceMask reachable_from(const SideReach& reach, int start, PieceMask done) {
  PieceMask found = piece_bit(start);
  for (PieceMask open = found; open != 0;) {
    const int piece = lowest_piece(open);
    open &= open - 1;
    const PieceMask fresh = reach.links[piece] & ~found & ~done;
    found |= fresh;
    open |= fresh;
  }
  return found;
}

int row_of(const SideReach& reach, int piece) { return square_y(reach.square[piece]); }
int column_of(const SideReach& reach, int piece) { return square_x(reach.square[piece]); }

// A pawn filters out the columns that would hold a second pawn, its own aside.
SquareSet without_second_pawn_columns(const SideReach& reach, int piece, SquareSet squares) {
  if (reach.code[piece] != reach.side * PAWN) return squares;
  return squares & ~(reach.own_pawn_columns & ~column_squares(column_of(reach, piece)));
}

// The drop map built from the starts that `kind` may use (0: every own
// piece), one start after another in scan order as build_reach_map does it:
// each flood expands the links not expanded before, and the filters act on
// everything marked so far.
SquareSet drop_map(const SideReach& reach, int kind) {
  PieceMask expanded = 0;
  SquareSet map = 0;
  for (int start = 0; start < reach.count; ++start) {
    if (kind != 0 && !drop_start_allowed(reach.side, kind, row_of(reach, start))) continue;
    if ((expanded & piece_bit(start)) == 0) {
      const PieceMask fresh = reachable_from(reach, start, expanded);
      map |= steps_of(reach, fresh);
      expanded |= fresh;
    }
    map = without_second_pawn_columns(reach, start, map & ~reach.occupied);
  }
  return map;
}

void start_side(SideReach& reach, int side) {
  reach.side = side;
  reach.count = 0;
  reach.own = reach.occupied = reach.own_pawn_columns = reach.reached = 0;
  reach.king = -1;
}

void add_piece(SideReach& reach, int x, int y, int code) {
  if (reach.count == MAX_SIDE_PIECES) return;
  const int piece = reach.count++;
  const auto index = static_cast<std::int8_t>((x - 1) * 9 + (y - 1));
  reach.own |= square_bit(x, y);
  reach.square[piece] = index;
  reach.code[piece] = static_cast<std::int16_t>(code);
  reach.number_of_square[index] = static_cast<std::int8_t>(piece);
  if (code == reach.side * PAWN) reach.own_pawn_columns |= column_squares(x);
  if (code == reach.side * KING) reach.king = index;
}

}  // namespace

bool drop_start_allowed(int side, int kind, int y) {
  const int row = side > 0 ? y : 10 - y;  // counted as the upper side sees it
  if (kind == 1 || kind == 2) return row != 9;
  if (kind == 3) return row < 8;
  return true;
}

void scan_sides(const Board& board, SquareSet squares, SideReach& upper, SideReach& lower) {
  start_side(upper, +1);
  start_side(lower, -1);
  SquareSet occupied = 0;
  for (; squares != 0; squares &= squares - 1) {
    const int index = lowest_square(squares);
    const int x = square_x(index), y = square_y(index);
    const int code = board(x, y);
    if (code == EMPTY) continue;
    occupied |= square_bit(x, y);
    if (code >= 10) add_piece(upper, x, y, code);
    else if (code <= -10) add_piece(lower, x, y, code);
  }
  upper.occupied = lower.occupied = occupied;
}

void build_side_reach(const Board& board, int side, SideReach& reach) {
  SideReach other;
  if (side > 0) scan_sides(board, ALL_SQUARES, reach, other);
  else scan_sides(board, ALL_SQUARES, other, reach);
  complete_side_reach(reach);
}

void complete_side_reach(SideReach& reach) {
  reach.reached = 0;
  for (int piece = 0; piece < reach.count; ++piece) {
    reach.steps[piece] = reach_targets_among(reach.occupied, reach.square[piece], reach.code[piece]);
    reach.links[piece] = pieces_among(reach.steps[piece] & reach.own, reach.number_of_square);
  }
  for (int piece = 0; piece < reach.count; ++piece) {
    const SquareSet ends = steps_of(reach, chain_links(reach, piece)) & ~reach.own;
    reach.destinations[piece] = without_second_pawn_columns(reach, piece, ends);
    reach.reached |= reach.destinations[piece];
  }
}

SquareSet DropMaps::targets(int kind) const {
  switch (kind) {
    case 1: return any_kind & pawn_or_lance & ~own_pawn_columns;
    case 2: return any_kind & pawn_or_lance;
    case 3: return any_kind & knight;
    default: return any_kind;
  }
}

DropMaps build_drop_maps(const SideReach& reach, const int* hand) {
  DropMaps maps;
  bool any = false;
  for (int kind = 1; kind <= 7; ++kind) any = any || hand[kind] > 0;
  if (!any) return maps;
  maps.own_pawn_columns = reach.own_pawn_columns;
  maps.any_kind = drop_map(reach, 0);
  if (hand[1] > 0 || hand[2] > 0) maps.pawn_or_lance = drop_map(reach, 1);
  if (hand[3] > 0) maps.knight = drop_map(reach, 3);
  return maps;
}

}  // namespace kumora
