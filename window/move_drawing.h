// Showing a move just made: the cells and hands make_move changed, and the
// transcript line of the move.
#pragma once

#include "kifu/move_record.h"
#include "rules/make_move.h"
#include "window/reporter.h"

namespace kumora {

class Drawing;

// Repaints, in this order: the hand that received a capture, the origin
// (painted empty), the hand the piece was dropped from, the target.
void draw_move(Drawing& drawing, int from_x, int from_y, int to_x, int to_y, int piece,
               const MoveRedraw& redraw);

void report_move(Reporter& reporter, const RecordEntry& entry);

}  // namespace kumora
