// The thinking-time clocks beside the board and the timer that keeps the
// running one up to date.
#pragma once

#include "window/services.h"

namespace kumora {

class Clocks {
 public:
  explicit Clocks(WindowServices& services) : s_(services) {}

  // The tick of the clock timer: redraws the running clock when its whole
  // number of seconds changes.
  void Timer1_Timer();
  void show_clock(int side, double seconds);
  void clear_clock(int side);
  // Both clocks with their accumulated totals.
  void show_both();

  void set_timer1(bool enabled);
  bool timer1_enabled() const { return timer1_enabled_; }
  // The turn starts now; the timer runs when the elapsed time is shown.
  void restart_turn_clock();
  // The turn starts now.
  void start_turn();
  // The timer stopped and nothing shown yet (the game reset).
  void reset();

 private:
  WindowServices& s_;
  float turn_start_time_ = 0;
  int shown_seconds_ = 0;
  bool timer1_enabled_ = false;
};

}  // namespace kumora
