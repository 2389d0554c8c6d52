// The captions beside the board: the level and the handicap grade.
#include "settings/handicap.h"
#include "view/main_window.h"

namespace kumora {

void MainWindow::print_caption(int code, double x, double y, int colour, int size) {
  const std::string text = caption_text(code);
  if (!text.empty()) print_at(x, y, text, colour, 0, size);
}

void MainWindow::show_level(int n) {
  print_at(-1.4, 0.2, "LEVEL", SHADOW_COLOUR, 0, 10);
  print_at(-1.5, 0.1, "LEVEL", TEXT_COLOUR, 0, 10);
  print_at(0.1, 0.1, n, SHADOW_COLOUR, 0, 12);
  print_at(0, 0, n, TEXT_COLOUR, 0, 12);
}

void MainWindow::show_handicap_caption(int grade) {
  for (int x = 11; x <= 14; ++x) paint_cell(state.background, x, 2);
  print_caption(grade, 11.1, 2.1, SHADOW_COLOUR, 10);
  print_caption(grade, 11, 2, TEXT_COLOUR, 10);
}

}  // namespace kumora
