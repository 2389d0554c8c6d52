// The computer's strength levels and the handicap grades, with their
// captions beside the board.
#pragma once

#include "window/appearance.h"
#include "window/game.h"
#include "window/menu_ticks.h"
#include "window/pending_input.h"

namespace kumora {

class Drawing;
class Messages;

class LevelsHandicap {
 public:
  LevelsHandicap(Game& game, const Appearance& appearance, MenuTicks& ticks, Drawing& drawing,
                 Messages& messages, PendingInput& pending_input)
      : game_(game),
        appearance_(appearance),
        ticks_(ticks),
        drawing_(drawing),
        messages_(messages),
        pending_input_(pending_input) {}

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

  Game& game_;
  const Appearance& appearance_;
  MenuTicks& ticks_;
  Drawing& drawing_;
  Messages& messages_;
  PendingInput& pending_input_;
};

}  // namespace kumora
