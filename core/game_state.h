// The shared game state owned by the main window.
#pragma once

#include "core/constants.h"
#include "rules/board.h"

namespace kumora {

struct GameState {
  Board board;
  int lower_hand[8] = {};  // slots 1..7: pawn, lance, knight, silver, gold, bishop, rook
  int upper_hand[8] = {};
  int lower_hand_total = 0;
  int upper_hand_total = 0;

  int SENTE = 1;
  int GOTE = -1;
  int lower_side = -1;  // GOTE when the window opens
  int upper_side = 1;   // SENTE when the window opens
  int turn = NO_GAME;

  int move_count = 0;
  int winner = NO_GAME;
  int vs_com = MODE_MAN;
  bool kifu_mode = false;
  bool reversed = false;
  bool stepped = false;

  double lower_clock = 0;
  double upper_clock = 0;
  double turn_elapsed = 0;

  int lower_king_x = 0, lower_king_y = 0;
  int upper_king_x = 0, upper_king_y = 0;

  int level = 3;
  int handicap_grade = 0;
  bool handicap_set = false;

  // The own-piece test: does `code` belong to the side to move?
  bool belongs_to_turn(int code) const {
    return (turn == lower_side && code <= -10) || (turn == upper_side && code >= 10);
  }
};

// Writes the initial position: both hands empty, totals 0, the 40 pieces.
void set_initial_position(GameState& state);

// Gives the lower player's hand (lower = true) or the upper player's `delta`
// more pieces of the kind of `code`, slot and total together. A king, or a
// code that is no piece, changes nothing: a king never enters a hand.
void change_hand(GameState& state, bool lower, int code, int delta);

// Recomputes both hand totals as the sums of the hand slots greater than 0.
void recompute_hand_totals(GameState& state);

// Mouse position in twips to cell; Int rounds toward minus infinity.
int cell_column(double twip_x);
int cell_row(double twip_y);

}  // namespace kumora
