#include "window/move_drawing.h"

#include "window/drawing.h"

namespace kumora {

void draw_move(Drawing& d, int from_x, int from_y, int to_x, int to_y, int piece,
               const MoveRedraw& redraw) {
  if (redraw.capture_hand == UPPER_HAND_COLUMN) d.draw_upper_hand();
  if (redraw.capture_hand == LOWER_HAND_COLUMN) d.draw_lower_hand();
  const int shown_from_y = from_x == UPPER_HAND_COLUMN ? upper_hand_row_of_slot(from_y) : from_y;
  d.paint_cell(EMPTY, from_x, shown_from_y);
  d.frame_cell(WINDOW_COLOUR, from_x, shown_from_y);
  if (redraw.drop_hand == UPPER_HAND_COLUMN) d.draw_upper_hand();
  if (redraw.drop_hand == LOWER_HAND_COLUMN) d.draw_lower_hand();
  d.paint_cell(piece, to_x, to_y);
  d.frame_cell(WINDOW_COLOUR, to_x, to_y);
  d.refresh();
}

void report_move(Reporter& reporter, const RecordEntry& e) {
  reporter.move_made(e.from_x, e.from_y, e.to_x, e.to_y, e.moved, e.placed, e.taken);
}

}  // namespace kumora
