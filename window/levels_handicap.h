// The computer's strength levels and the handicap grades, with their
// captions beside the board.
#pragma once

#include "window/services.h"

namespace kumora {

class LevelsHandicap {
 public:
  explicit LevelsHandicap(WindowServices& services) : s_(services) {}

  // A level chosen from the menu: erase the old caption, then set_level(n).
  void choose_level(int n);
  void set_level(int n);
  void show_level(int n);
  void raise_handicap();
  void lower_handicap();
  void handicap_refusal(int code);
  void show_handicap_caption(int grade);

 private:
  // The guards of "△" and "▽"; false (after the refusal) when they refuse.
  bool handicap_allowed();
  void set_handicap_square(int grade, int contents);

  WindowServices& s_;
};

}  // namespace kumora
