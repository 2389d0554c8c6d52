// The computer's strength levels and the handicap grades, with their
// captions beside the board.
#pragma once

#include "window/services.h"

namespace kumora {

class LevelsHandicap {
 public:
  explicit LevelsHandicap(WindowServices& services) : s_(services) {}

  // LEVEL1_Click .. LEVEL3_Click: erase the old caption, then set_level(n).
  void choose_level(int n);
  void set_level(int n);
  void show_level(int n);
  void LBEL_UP_Click();
  void LEBEL_DOWN_Click();
  void handicap_refusal(int code);
  void show_handicap_caption(int grade);

 private:
  // The guards of "△" and "▽"; false (after the refusal) when they refuse.
  bool handicap_allowed();
  void set_handicap_square(int grade, int contents);

  WindowServices& s_;
};

}  // namespace kumora
