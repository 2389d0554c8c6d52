// The computer's threat and safety evaluations: narrow questions about the
// position on the board and the attack tables, added up by the move scoring,
// and the three threat maps prepared at the start of the computer's turn.
//
// Scores are whole tenths. (hx, hy) is the lower king's square and (ux, uy)
// the upper king's, as the game state last recorded them. A board or table
// entry read outside the 1..9 square counts as EMPTY / 0.
#pragma once

#include "com/score.h"
#include "com/search_context.h"

namespace kumora {

// Neighbours of the lower king that are empty and not covered by the upper side.
int count_king_escapes(const ComWorld& w);

// Fills context.bishop_check_squares: marks each empty square from which a lower
// bishop would attack the upper king, and which the upper side does not
// cover, or covers only once while the square touches the upper king.
void mark_bishop_check_squares(ComWorld& w);

// Fills context.lower_pinned (lower pieces whose removal opens a line of an
// upper lance, bishop, horse, rook or dragon to the lower king) and
// context.upper_has_pinned (the same for some upper piece and the upper king).
// Lifts each piece from the board in turn and puts it back.
void mark_pinned_pieces(ComWorld& w);

// True when every square of the lower king's coverage reach map (its own square
// included) is covered by some upper piece or upper drop. Leaves the
// king's map in w.reach.
bool lower_king_mated(ComWorld& w);

// How safe the position is for the upper side after a candidate that placed
// p on (tx, ty): mostly penalties, a few bonuses.
Score board_safety(ComWorld& w, int p, int tx, int ty);

// p (in tenths) when a lower bishop could be brought onto the first
// bishop-check square that a bishop or horse on (tx, ty) would reach, else 0.
Score bishop_fork_threat(const ComWorld& w, int tx, int ty, int p);

// Squares where `code` standing on (x, y) (or dropped from the hand named by
// x) can step and which the other side does not cover.
int count_safe_moves(const ComWorld& w, int x, int y, int code);

// What an upper knight dropped two rows above a big lower piece's target could
// win: the big lower pieces beside (x, y). 0 unless a lower bishop, horse,
// rook or dragon is the recorded attacker of (x, y).
Score knight_drop_gain(const ComWorld& w, int x, int y);

// What an upper lance on (x, y) would take below it, when the square above is
// held by the upper side only and a big lower piece attacks (x, y).
Score lance_drop_gain(const ComWorld& w, int x, int y);

// True when, with (x, y) empty, a lower lance, rook or dragon below it in the
// same column could step onto it, no upper piece standing between.
bool column_xray_threat(ComWorld& w, int x, int y);

// Minus the number of neighbours of (x, y) holding a code of 800 or more.
int big_piece_crowding(const ComWorld& w, int x, int y);

}  // namespace kumora
