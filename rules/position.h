// The position: the board, both hands, which side plays each half, the side
// to move, and the winner once a king was taken.
#pragma once

#include "rules/board.h"
#include "rules/side.h"

namespace kumora {

struct Position {
  Board board;
  int lower_hand[8] = {};  // slots 1..7: pawn, lance, knight, silver, gold, bishop, rook
  int upper_hand[8] = {};
  int lower_hand_total = 0;
  int upper_hand_total = 0;

  // The side that plays the lower half (the negative codes); the other side
  // plays the upper half (the positive codes).
  Side lower_side = Side::TWO;
  Side upper_side() const { return opposite(lower_side); }
  Side turn = NO_GAME;
  Side winner = NO_GAME;

  int lower_king_x = 0, lower_king_y = 0;
  int upper_king_x = 0, upper_king_y = 0;

  // The own-piece test: does `code` belong to the side to move?
  bool belongs_to_turn(int code) const {
    return (turn == lower_side && code <= -10) || (turn == upper_side() && code >= 10);
  }
};

// Writes the initial position: both hands empty, totals 0, the 40 pieces.
void set_initial_position(Position& position);

// Gives the lower player's hand (lower = true) or the upper player's `delta`
// more pieces of the kind of `code`, slot and total together. A king, or a
// code that is no piece, changes nothing: a king never enters a hand.
void change_hand(Position& position, bool lower, int code, int delta);

// Recomputes both hand totals as the sums of the hand slots greater than 0.
void recompute_hand_totals(Position& position);

}  // namespace kumora
