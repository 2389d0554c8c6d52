// The thinking-time clocks beside the board and the timer that keeps the
// running one up to date.
#include <cmath>

#include "view/clock_text.h"
#include "view/main_window.h"

namespace kumora {

void MainWindow::show_clock(int side, double seconds) {
  if (!is_checked(MenuId::KEIKA)) return;
  const std::string text = format_hms(seconds);
  if (side == state.lower_side) {
    clear_clock(side);
    print_at(13.1, 9.3, text, SHADOW_COLOUR, 0, 12);
    print_at(13, 9.2, text, TEXT_COLOUR, 0, 12);
    clock_shown(side, text);
  } else if (side == state.upper_side) {
    clear_clock(side);
    print_at(-1.5, 9.3, text, SHADOW_COLOUR, 0, 12);
    print_at(-1.6, 9.2, text, TEXT_COLOUR, 0, 12);
    frame_cell(WINDOW_COLOUR, 1, 9);
    clock_shown(side, text);
  }
}

void MainWindow::clear_clock(int side) {
  if (side == state.lower_side) {
    paint_cell(state.background, 13, 9);
    paint_cell(state.background, 14, 9);
    paint_cell(state.background, 15, 9);
  } else if (side == state.upper_side) {
    paint_cell(state.background, -2, 9);
    paint_cell(state.background, -1, 9);
    paint_cell(state.background, 0, 9);
  }
}

void MainWindow::Timer1_Timer() {
  state.turn_elapsed = elapsed(turn_start_time, host_.now());
  const int whole = static_cast<int>(std::floor(state.turn_elapsed));
  if (whole == shown_seconds) return;
  shown_seconds = whole;
  if (state.turn == state.upper_side) {
    show_clock(state.upper_side, state.turn_elapsed + state.upper_clock);
  } else if (state.turn == state.lower_side) {
    show_clock(state.lower_side, state.turn_elapsed + state.lower_clock);
  }
  canvas_.refresh();
}

}  // namespace kumora
