// The computer's turn as the person sees it: the thinking caption, the search,
// the move shown link by link along its chain, and what follows from it.
#pragma once

#include "engine/engine.h"
#include "window/appearance.h"
#include "window/game.h"
#include "window/game_lifecycle.h"
#include "window/menu_ticks.h"
#include "window/port/level_computer.h"
#include "window/record_listener.h"
#include "window/reporter.h"

namespace kumora {

class Clocks;
class Drawing;
class Messages;

class StrongSearch;

class ComputerTurn {
 public:
  ComputerTurn(Game& game, const Appearance& appearance, const MenuTicks& ticks, Drawing& drawing,
               Messages& messages, Clocks& clocks, Reporter& reporter, GameLifecycle& lifecycle,
               RecordListener& record_listener, StrongSearch& strong, LevelComputer& computer)
      : game_(game),
        appearance_(appearance),
        ticks_(ticks),
        drawing_(drawing),
        messages_(messages),
        clocks_(clocks),
        reporter_(reporter),
        lifecycle_(lifecycle),
        record_listener_(record_listener),
        strong_(strong),
        computer_(computer) {}

  // com_ban: the whole turn, called with the upper side to move.
  void play_turn();
  // Prints the thinking caption again after a redraw of the window, while
  // the computer is thinking or showing its move (the display options and
  // the language may be changed meanwhile).
  void show_thinking_again();

 private:
  void show_thinking();
  // The move of LEVEL1..3's one-ply search.
  std::optional<Candidate> one_ply_move();
  // The move of the strong search (LEVEL4, LEVEL5).
  std::optional<Candidate> strong_move();
  // The level's limits, held within the computer's clock on time.
  EngineLimits limits_on_clock() const;
  // On time: the computer lost when its time ran out before it chose.
  bool out_of_time();
  void show_com_path(const Candidate& best);
  void play_com_move(const Candidate& best);
  void after_com_move(const Candidate& best);
  void hand_turn_back();

  Game& game_;
  const Appearance& appearance_;
  const MenuTicks& ticks_;
  Drawing& drawing_;
  Messages& messages_;
  Clocks& clocks_;
  Reporter& reporter_;
  GameLifecycle& lifecycle_;
  RecordListener& record_listener_;
  StrongSearch& strong_;
  LevelComputer& computer_;
  bool thinking_ = false;
};

}  // namespace kumora
