// The thinking-time clocks beside the board and the timer that keeps the
// running one up to date. Without a time control they count each side's
// time up, shown while 経過時間 is ticked; with one they count down what
// is left, always shown, and the side whose time runs out loses.
#pragma once

#include <string>

#include "window/appearance.h"
#include "window/countdown.h"
#include "window/game.h"
#include "window/game_lifecycle.h"
#include "window/menu_ticks.h"
#include "window/port/ports.h"
#include "window/reporter.h"

namespace kumora {

class Drawing;
class Messages;

class Clocks {
 public:
  Clocks(Game& game, const Appearance& appearance, const MenuTicks& ticks, Drawing& drawing,
         Messages& messages, Reporter& reporter, Host& host, GameLifecycle& lifecycle)
      : game_(game),
        appearance_(appearance),
        ticks_(ticks),
        drawing_(drawing),
        messages_(messages),
        reporter_(reporter),
        host_(host),
        lifecycle_(lifecycle),
        countdown_(game) {}

  // The tick of the clock timer: redraws the running clock when what it
  // shows changes.
  void on_clock_tick();
  void show_clock(Side side, double seconds);
  void clear_clock(Side side);
  // Both clocks with their accumulated totals (with a time control: with
  // the time each side has left).
  void show_both();

  void set_clock_timer(bool enabled);
  bool clock_timer_enabled() const { return clock_timer_enabled_; }
  // The turn starts now; the timer runs when the clocks are shown.
  void restart_turn_clock();
  // The turn starts now.
  void start_turn();
  // The timer stopped, both totals and the running turn at 0, and nothing
  // shown yet (the game reset).
  void reset();
  // The running turn's time added to the total of the lower side (false) or
  // the upper side (true).
  void charge_turn(bool upper);
  // The totals follow the sides when the board is turned round.
  void swap_totals();
  // The upper side's total as its own program reports it (a network game).
  void set_upper_total(double seconds);

  const Countdown& countdown() const { return countdown_; }
  // A new game with a time control begins: both clocks shown, the timer on.
  void begin_countdown();
  // The running turn's time read from the clock now (with a time control,
  // so that a move takes exactly the time it took).
  void settle_turn_time();
  // With a time control, when the person to move has no time left: ends
  // the game as lost on time and answers true.
  bool end_if_out_of_time();
  // The message of a side that ran out of time, and who then wins.
  void lose_on_time(Side side);

 private:
  // The clocks are shown: 経過時間 is ticked or the game is played on time.
  bool clocks_shown() const;
  std::string clock_text(Side side, double seconds) const;
  // The side whose clock runs, or none.
  Side running_side() const;

  Game& game_;
  const Appearance& appearance_;
  const MenuTicks& ticks_;
  Drawing& drawing_;
  Messages& messages_;
  Reporter& reporter_;
  Host& host_;
  GameLifecycle& lifecycle_;
  Countdown countdown_;
  float turn_start_time_ = 0;
  int shown_seconds_ = 0;
  std::string shown_text_;  // of the running clock, with a time control
  bool clock_timer_enabled_ = false;
};

}  // namespace kumora
