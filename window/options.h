// The option items of the menu and the settings file that keeps them: the
// background picture, move guidance, the elapsed time, the music; and the
// about box.
#pragma once

#include <string>

#include "window/appearance.h"
#include "window/game.h"
#include "window/menu_ticks.h"
#include "window/pending_input.h"
#include "window/screen.h"

namespace kumora {

class Clocks;
class Drawing;
class Messages;

class Options {
 public:
  Options(const Game& game, Appearance& appearance, MenuTicks& ticks, Drawing& drawing,
          Messages& messages, Clocks& clocks, Screen& screen, PendingInput& pending_input)
      : game_(game),
        appearance_(appearance),
        ticks_(ticks),
        drawing_(drawing),
        messages_(messages),
        clocks_(clocks),
        screen_(screen),
        pending_input_(pending_input) {}

  void load_settings();
  void save_settings();
  // Ticks the background item of `code` and unticks the others.
  void check_background(int code);
  // One of the five backgrounds chosen from the menu.
  void choose_background(MenuId item, int code);
  void toggle_move_guidance();
  void toggle_elapsed_time();
  void toggle_music();
  // The computer's move shown in about half a second instead of link by
  // link; kept by the window, not in the settings file.
  void toggle_quick_com_moves();
  void show_version();
  // The text of the about box.
  static std::string about_text();

 private:
  void apply_default_settings(bool repaint);
  void write_default_settings();
  // Tells the person, once in a run, that the options could not be kept.
  void report_save_failure(const std::string& error);

  const Game& game_;
  Appearance& appearance_;
  MenuTicks& ticks_;
  Drawing& drawing_;
  Messages& messages_;
  Clocks& clocks_;
  Screen& screen_;
  PendingInput& pending_input_;
  bool save_failure_reported_ = false;
};

}  // namespace kumora
