#include "window/clocks.h"

#include <cmath>
#include <utility>

#include "window/clock_text.h"
#include "window/drawing.h"
#include "window/messages.h"

namespace kumora {

bool Clocks::clocks_shown() const {
  return ticks_.is_checked(MenuId::ELAPSED_TIME) || countdown_.active();
}

Side Clocks::running_side() const {
  const GameState& state = game_.state;
  if (!clock_timer_enabled_) return NO_GAME;
  return state.turn == state.lower_side || state.turn == state.upper_side() ? state.turn : NO_GAME;
}

std::string Clocks::clock_text(Side side, double seconds) const {
  if (!countdown_.active()) return format_hms(seconds);
  const double used = side == running_side() ? game_.state.turn_elapsed : 0;
  return countdown_.clock_text(side, used);
}

void Clocks::show_clock(Side side, double seconds) {
  if (!clocks_shown()) return;
  const GameState& state = game_.state;
  Drawing& d = drawing_;
  const std::string text = clock_text(side, seconds);
  if (side == running_side()) shown_text_ = text;
  if (side == state.lower_side) {
    clear_clock(side);
    d.print_at(13.1, 9.3, text, SHADOW_COLOUR, 0, 12);
    d.print_at(13, 9.2, text, TEXT_COLOUR, 0, 12);
    reporter_.clock_printed(true, text);
  } else if (side == state.upper_side()) {
    clear_clock(side);
    d.print_at(-1.5, 9.3, text, SHADOW_COLOUR, 0, 12);
    d.print_at(-1.6, 9.2, text, TEXT_COLOUR, 0, 12);
    d.frame_cell(WINDOW_COLOUR, 1, 9);
    reporter_.clock_printed(false, text);
  }
}

void Clocks::clear_clock(Side side) {
  const int background = appearance_.background;
  Drawing& d = drawing_;
  if (side == game_.state.lower_side) {
    d.paint_cell(background, 13, 9);
    d.paint_cell(background, 14, 9);
    d.paint_cell(background, 15, 9);
  } else if (side == game_.state.upper_side()) {
    d.paint_cell(background, -2, 9);
    d.paint_cell(background, -1, 9);
    d.paint_cell(background, 0, 9);
  }
}

void Clocks::show_both() {
  const GameState& state = game_.state;
  show_clock(state.upper_side(), state.upper_clock);
  show_clock(state.lower_side, state.lower_clock);
}

void Clocks::on_clock_tick() {
  GameState& state = game_.state;
  state.turn_elapsed = elapsed(turn_start_time_, host_.now());
  if (countdown_.active()) {
    const Side side = running_side();
    if (side == NO_GAME || countdown_.clock_text(side, state.turn_elapsed) == shown_text_) return;
    show_clock(side, 0);
    drawing_.refresh();
    return;
  }
  const int whole = static_cast<int>(std::floor(state.turn_elapsed));
  if (whole == shown_seconds_) return;
  shown_seconds_ = whole;
  if (state.turn == state.upper_side()) {
    show_clock(state.upper_side(), state.turn_elapsed + state.upper_clock);
  } else if (state.turn == state.lower_side) {
    show_clock(state.lower_side, state.turn_elapsed + state.lower_clock);
  }
  drawing_.refresh();
}

void Clocks::set_clock_timer(bool enabled) {
  clock_timer_enabled_ = enabled;
  host_.set_timer_enabled(enabled);
}

void Clocks::start_turn() {
  turn_start_time_ = host_.now();
  if (!countdown_.active()) return;
  // Each turn is timed from its start, and both clocks show what is left.
  game_.state.turn_elapsed = 0;
  shown_text_.clear();
  show_both();
}

void Clocks::restart_turn_clock() {
  start_turn();
  if (clocks_shown()) set_clock_timer(true);
}

void Clocks::begin_countdown() {
  if (!countdown_.active()) return;
  set_clock_timer(true);
  show_both();
}

void Clocks::settle_turn_time() {
  if (countdown_.active()) on_clock_tick();
}

bool Clocks::end_if_out_of_time() {
  const GameState& state = game_.state;
  const Side side = running_side();
  if (!countdown_.active() || side == NO_GAME) return false;
  // The computer's turn looks at its own clock when it has chosen its move.
  if (state.vs_com == MODE_COM && side == state.upper_side()) return false;
  if (countdown_.time_left(side, state.turn_elapsed) > 0) return false;
  lose_on_time(side);
  return true;
}

void Clocks::lose_on_time(Side side) {
  const GameState& state = game_.state;
  const bool vs_com = state.vs_com == MODE_COM;
  const char* text;
  Winner winner;
  if (vs_com) {
    const bool person = side == state.lower_side;
    text = person ? tr_noop("Game", "あなたの時間が切れました")
                  : tr_noop("Game", "ＣＯＭの時間が切れました");
    winner = person ? Winner::COMPUTER : Winner::PERSON;
  } else {
    const bool sente = side == state.sente;
    text = sente ? tr_noop("Game", "先手の時間が切れました")
                 : tr_noop("Game", "後手の時間が切れました");
    winner = sente ? Winner::GOTE : Winner::SENTE;
  }
  set_clock_timer(false);
  reporter_.set_status(tr_noop("Status", "時間切れです"));
  messages_.tell(tr_text("Game", text), tr_text("Game", "時間切れ"));
  lifecycle_.end_game_early(GameEnd::TIME_RAN_OUT, winner);
}

void Clocks::reset() {
  set_clock_timer(false);
  shown_seconds_ = 0;
  shown_text_.clear();
  GameState& state = game_.state;
  state.upper_clock = 0;
  state.lower_clock = 0;
  state.turn_elapsed = 0;
}

void Clocks::charge_turn(bool upper) {
  GameState& state = game_.state;
  (upper ? state.upper_clock : state.lower_clock) += state.turn_elapsed;
}

void Clocks::swap_totals() {
  GameState& state = game_.state;
  std::swap(state.lower_clock, state.upper_clock);
}

void Clocks::set_upper_total(double seconds) { game_.state.upper_clock = seconds; }

}  // namespace kumora
