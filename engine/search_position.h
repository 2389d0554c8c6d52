// The position the engine searches: board, both hands and the side to move,
// with its Zobrist key kept up to date move by move.
#pragma once

#include "engine/zobrist.h"
#include "rules/board.h"
#include "rules/candidates.h"
#include "rules/square_set.h"

namespace kumora {

struct SearchPosition {
  Board board;
  int hand[2][8] = {};  // [0] the lower hand, [1] the upper hand; slots 1..7
  int side = +1;        // to move: +1 upper (positive codes), -1 lower
  PositionKey key = 0;
  SquareSet occupied = 0;  // the squares holding a piece

  int* hand_of(int owner) { return hand[owner > 0 ? 1 : 0]; }
  const int* hand_of(int owner) const { return hand[owner > 0 ? 1 : 0]; }
};

SearchPosition search_position(const Board& board, const int* lower_hand, const int* upper_hand,
                               int side_to_move);

// What play() needs to take a move back.
struct MoveUndo {
  int captured = EMPTY;
  PositionKey key = 0;
};

// Plays a candidate of the side to move and passes the turn.  A captured
// piece goes to the mover's hand as its unpromoted kind; a captured king to
// no hand.
void play(SearchPosition& position, const Candidate& move, MoveUndo& undo);

void take_back(SearchPosition& position, const Candidate& move, const MoveUndo& undo);

// Passes the turn without a move (the search's null move); passing again undoes it.
void pass_turn(SearchPosition& position);

}  // namespace kumora
