#include "rules/side_reach_move.h"

#include <cstring>

#include "rules/step_patterns.h"

namespace kumora {

namespace {

// The side's own pieces and what follows from them, without the chains.
void copy_pieces(const SideReach& from, SideReach& to) {
  to.side = from.side;
  to.king = from.king;
  to.own = from.own;
  to.occupied = from.occupied;
  to.pawns = from.pawns;
  to.sliders = from.sliders;
  to.own_pawn_columns = from.own_pawn_columns;
  // Whole tables: one block copy costs less than a walk over the pieces.
  std::memcpy(to.code, from.code, sizeof to.code);
  std::memcpy(to.steps, from.steps, sizeof to.steps);
}

void copy_chains(const SideReach& from, SideReach& to) {
  to.reached = from.reached;
  to.all_steps = from.all_steps;
  to.chain_ends = from.chain_ends;
  to.stuck = from.stuck;
  std::memcpy(to.destinations, from.destinations, sizeof to.destinations);
}

void remove_piece(SideReach& reach, int index) {
  const SquareSet square = single_square(index);
  reach.own &= ~square;
  reach.pawns &= ~square;
  reach.sliders &= ~square;
  if (reach.king == index) reach.king = -1;
}

void add_piece(SideReach& reach, int index, int code) {
  const SquareSet square = single_square(index);
  reach.own |= square;
  reach.code[index] = static_cast<std::int16_t>(code);
  reach.steps[index] = reach_targets_among(reach.occupied, index, code);
  if (code == reach.side * PAWN) reach.pawns |= square;
  if (is_slider(code)) reach.sliders |= square;
  if (code == reach.side * KING) reach.king = index;
}

SquareSet columns_holding(SquareSet squares) {
  SquareSet columns = 0;
  for (int x = 1; x <= 9; ++x)
    if ((squares & column_squares(x)) != 0) columns |= column_squares(x);
  return columns;
}

// The sliding pieces whose lines pass a square that was emptied or filled
// see other squares now; the others' steps do not depend on blockers.
bool update_slides(SideReach& reach, SquareSet changed, SquareSet fresh) {
  bool any = false;
  for (SquareSet left = reach.sliders & ~fresh; left != 0; left &= left - 1) {
    const int index = lowest_square(left);
    if ((reach.steps[index] & changed) == 0) continue;
    reach.steps[index] = reach_targets_among(reach.occupied, index, reach.code[index]);
    any = true;
  }
  return any;
}

}  // namespace

void follow_move(const SideReach& before, const BoardChange& change, SideReach& after) {
  copy_pieces(before, after);
  SquareSet changed = 0;
  if (change.from >= 0) {
    after.occupied &= ~single_square(change.from);
    changed |= single_square(change.from);
  }
  if (change.captured == EMPTY) changed |= single_square(change.to);
  after.occupied |= single_square(change.to);

  const bool moved = piece_of_side(change.placed, before.side);
  const bool taken = piece_of_side(change.captured, before.side);
  SquareSet fresh = 0;
  if (moved) {
    if (change.from >= 0) remove_piece(after, change.from);
    add_piece(after, change.to, change.placed);
    fresh = single_square(change.to);
  } else if (taken) {
    remove_piece(after, change.to);
  }
  const bool pieces_changed = moved || taken;
  if (pieces_changed && after.pawns != before.pawns)
    after.own_pawn_columns = columns_holding(after.pawns);
  const bool slides_changed = update_slides(after, changed, fresh);
  if (pieces_changed || slides_changed)
    follow_chains(after);
  else
    copy_chains(before, after);
}

}  // namespace kumora
