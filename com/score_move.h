// The score of one candidate move of the computer.
#pragma once

#include "com/score.h"
#include "com/search_context.h"

namespace kumora {

// Scores the candidate already standing on w.state.board, with the attack
// tables rebuilt for it: c is the code that stood on the destination, p the
// code placed there, (fx, fy) the origin (fx = -1 and fy = hand slot for a
// drop), (tx, ty) the destination.  Reads w.context.moving_piece,
// mover_king_distance and the tables taken at the start of the turn.  The
// level (w.state.level) decides how many groups of terms take part.
Score score_move(ComWorld& w, int c, int p, int fx, int fy, int tx, int ty);

}  // namespace kumora
