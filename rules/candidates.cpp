#include "rules/candidates.h"

#include "rules/drops_promotion.h"

namespace kumora {

namespace {

Candidate board_candidate(int x, int y, int index, int moved, int placed) {
  return {static_cast<std::int8_t>(x),
          static_cast<std::int8_t>(y),
          static_cast<std::int8_t>(square_x(index)),
          static_cast<std::int8_t>(square_y(index)),
          static_cast<std::int16_t>(moved),
          static_cast<std::int16_t>(placed)};
}

void add_versions(int x, int y, int index, int moving, bool promoted_only, CandidateList& list) {
  const int to_y = square_y(index);
  const int promoted = promoted_code(x, y, square_x(index), to_y, moving);
  if (promoted != moving && (promoted_only || !may_stay_unpromoted(to_y, moving))) {
    list.add(board_candidate(x, y, index, moving, promoted));
    return;
  }
  list.add(board_candidate(x, y, index, moving, moving));
  if (promoted != moving) list.add(board_candidate(x, y, index, moving, promoted));
}

}  // namespace

void add_board_candidates(const SideReach& reach, CandidateList& list) {
  for (SquareSet pieces = reach.own; pieces != 0; pieces &= pieces - 1) {
    const int piece = lowest_square(pieces);
    const int x = square_x(piece), y = square_y(piece);
    for (SquareSet ends = reach.destinations[piece]; ends != 0; ends &= ends - 1)
      add_versions(x, y, lowest_square(ends), reach.code[piece], false, list);
  }
}

void add_board_moves_onto(const SideReach& reach, SquareSet targets, CandidateList& list) {
  for (SquareSet pieces = reach.own; pieces != 0; pieces &= pieces - 1) {
    const int piece = lowest_square(pieces);
    const int x = square_x(piece), y = square_y(piece);
    for (SquareSet ends = reach.destinations[piece] & targets; ends != 0; ends &= ends - 1)
      add_versions(x, y, lowest_square(ends), reach.code[piece], true, list);
  }
}

void add_drop_candidates(const SideReach& reach, const DropMaps& maps, const int* hand,
                         CandidateList& list) {
  const bool upper = reach.side > 0;
  for (int kind = 1; kind <= 7; ++kind) {
    if (hand[kind] <= 0) continue;
    const auto piece = static_cast<std::int16_t>(reach.side * HAND_SLOT_CODES[kind]);
    const auto from_x = static_cast<std::int8_t>(upper ? UPPER_HAND_COLUMN : LOWER_HAND_COLUMN);
    const auto from_y = static_cast<std::int8_t>(upper ? kind : kind + 2);
    for (SquareSet ends = maps.targets(kind); ends != 0; ends &= ends - 1) {
      const int index = lowest_square(ends);
      list.add({from_x, from_y, static_cast<std::int8_t>(square_x(index)),
                static_cast<std::int8_t>(square_y(index)), piece, piece});
    }
  }
}

void generate_candidates(const Board& board, const int* hand, int side, CandidateList& list) {
  SideReach reach;
  build_side_reach(board, side, reach);
  list.count = 0;
  add_board_candidates(reach, list);
  add_drop_candidates(reach, build_drop_maps(reach, hand), hand, list);
}

bool side_has_candidate(const Board& board, const int* hand, int side) {
  SideReach reach;
  build_side_reach(board, side, reach);
  if (reach.reached != 0) return true;
  const DropMaps maps = build_drop_maps(reach, hand);
  for (int kind = 1; kind <= 7; ++kind)
    if (hand[kind] > 0 && maps.targets(kind) != 0) return true;
  return false;
}

SquareSet drop_targets(const Board& board, int side, int kind) {
  SideReach reach;
  build_side_reach(board, side, reach);
  int hand[8] = {};
  hand[kind] = 1;
  return build_drop_maps(reach, hand).targets(kind);
}

}  // namespace kumora
