// The person's moves with the mouse: one press is one step of building a move.
#include "view/main_window.h"

namespace kumora {

void MainWindow::Form_MouseDown(int button, int shift, double x, double y) {
  (void)shift;
  (void)button;
  hide_file_panel();
  if (state.kifu_mode == ON) {
    if (!ask_yes_no("棋譜を '進 'で進めて下さい", "棋譜")) {
      sound_.play(snd_forbid);
      reset_game();
    }
    return;
  }
  const int cell_x = cell_column(x);
  const int cell_y = cell_row(y);
  (void)cell_x;
  (void)cell_y;
  if (state.turn == NO_GAME) {
    refuse("「対局」で始めて下さい", "開始");
    return;
  }
}

}  // namespace kumora
