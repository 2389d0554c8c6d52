// The engine's judgement of a quiet position, from the side to move's point
// of view, built on where the chains of both sides really end: material on
// the board and in hand, the enemy's chains and drops around each king,
// mobility, and pieces that no chain can move.
#pragma once

#include "engine/parameters.h"
#include "engine/search_position.h"
#include "rules/side_reach.h"

namespace kumora {

struct PieceValues {
  int board[KING + 1] = {};  // by the magnitude of the code; the king counts nothing
  int hand[8] = {};          // by hand slot

  explicit PieceValues(const EngineParameters& parameters);

  int of(int code) const {
    const int magnitude = code < 0 ? -code : code;
    return magnitude <= KING ? board[magnitude] : 0;
  }
};

// mover: the chains of the side to move; other: those of the other side.
int evaluate(const SearchPosition& position, const SideReach& mover, const SideReach& other,
             const EngineParameters& parameters, const PieceValues& values);

// The values of a side's pieces on the board.
int board_material(const SideReach& reach, const PieceValues& values);

// The same evaluation with the board material of each side known already
// ([0] the lower side, [1] the upper side), as the search keeps it move by move.
int evaluate_with_material(const SearchPosition& position, const SideReach& mover,
                           const SideReach& other, const EngineParameters& parameters,
                           const PieceValues& values, const int* on_board);

}  // namespace kumora
