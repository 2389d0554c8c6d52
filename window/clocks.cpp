#include "window/clocks.h"

#include <cmath>

#include "window/clock_text.h"
#include "window/drawing.h"

namespace kumora {

void Clocks::show_clock(int side, double seconds) {
  if (!s_.ticks.is_checked(MenuId::KEIKA)) return;
  const GameState& state = s_.game.state;
  Drawing& d = s_.drawing;
  const std::string text = format_hms(seconds);
  if (side == state.lower_side) {
    clear_clock(side);
    d.print_at(13.1, 9.3, text, SHADOW_COLOUR, 0, 12);
    d.print_at(13, 9.2, text, TEXT_COLOUR, 0, 12);
    s_.reporter.clock_printed(true, text);
  } else if (side == state.upper_side) {
    clear_clock(side);
    d.print_at(-1.5, 9.3, text, SHADOW_COLOUR, 0, 12);
    d.print_at(-1.6, 9.2, text, TEXT_COLOUR, 0, 12);
    d.frame_cell(WINDOW_COLOUR, 1, 9);
    s_.reporter.clock_printed(false, text);
  }
}

void Clocks::clear_clock(int side) {
  const int background = s_.appearance.background;
  Drawing& d = s_.drawing;
  if (side == s_.game.state.lower_side) {
    d.paint_cell(background, 13, 9);
    d.paint_cell(background, 14, 9);
    d.paint_cell(background, 15, 9);
  } else if (side == s_.game.state.upper_side) {
    d.paint_cell(background, -2, 9);
    d.paint_cell(background, -1, 9);
    d.paint_cell(background, 0, 9);
  }
}

void Clocks::show_both() {
  const GameState& state = s_.game.state;
  show_clock(state.upper_side, state.upper_clock);
  show_clock(state.lower_side, state.lower_clock);
}

void Clocks::Timer1_Timer() {
  GameState& state = s_.game.state;
  state.turn_elapsed = elapsed(turn_start_time_, s_.host.now());
  const int whole = static_cast<int>(std::floor(state.turn_elapsed));
  if (whole == shown_seconds_) return;
  shown_seconds_ = whole;
  if (state.turn == state.upper_side) {
    show_clock(state.upper_side, state.turn_elapsed + state.upper_clock);
  } else if (state.turn == state.lower_side) {
    show_clock(state.lower_side, state.turn_elapsed + state.lower_clock);
  }
  s_.drawing.refresh();
}

void Clocks::set_timer1(bool enabled) {
  timer1_enabled_ = enabled;
  s_.host.set_timer_enabled(enabled);
}

void Clocks::start_turn() { turn_start_time_ = s_.host.now(); }

void Clocks::restart_turn_clock() {
  start_turn();
  if (s_.ticks.is_checked(MenuId::KEIKA)) set_timer1(true);
}

void Clocks::reset() {
  set_timer1(false);
  shown_seconds_ = 0;
}

}  // namespace kumora
