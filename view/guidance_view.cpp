// Move guidance on the board.
#include "core/guidance.h"
#include "view/main_window.h"

namespace kumora {

void MainWindow::show_guidance(int from_x, int from_y, int colour, int piece, int chain_count) {
  clear_marks();
  if (state.guidance_on == OFF) return;
  const BoardTable squares = guidance_squares(state.board, from_x, from_y, piece, chain_count);
  for (int x = 1; x <= 9; ++x) {
    for (int y = 1; y <= 9; ++y) {
      if (squares(x, y) == ON) frame_cell(colour, x, y);
    }
  }
}

}  // namespace kumora
