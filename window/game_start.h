// Starting a game in one of its modes, flipping the board and the end of a game.
#pragma once

#include <string>

#include "window/appearance.h"
#include "window/game.h"
#include "window/game_lifecycle.h"
#include "window/pending_input.h"
#include "window/program_exit.h"
#include "window/record_listener.h"
#include "window/reporter.h"
#include "window/screen.h"

namespace kumora {

class Clocks;
class Drawing;
class Messages;
class LevelsHandicap;

class GameStart {
 public:
  GameStart(Game& game, const Appearance& appearance, Drawing& drawing, Messages& messages,
            Clocks& clocks, Reporter& reporter, GameLifecycle& lifecycle, Screen& screen,
            RecordListener& record_listener, PendingInput& pending_input, ProgramExit& program_exit,
            LevelsHandicap& levels)
      : game_(game),
        appearance_(appearance),
        drawing_(drawing),
        messages_(messages),
        clocks_(clocks),
        reporter_(reporter),
        lifecycle_(lifecycle),
        screen_(screen),
        record_listener_(record_listener),
        pending_input_(pending_input),
        program_exit_(program_exit),
        levels_(levels) {}

  void start_two_person_game();
  void start_vs_com_as_sente();
  void start_vs_com_as_gote();
  void turn_board();
  // Announces the winner and asks for another game.
  void game_over_prompt(Winner winner);
  void announce_winner(Winner winner);
  // At the start or resumption of a game: a person to move who cannot move
  // loses, with the message of that case. The computer's turn tells its own.
  bool end_if_person_cannot_move();

  // The time control of the games started from now on (none by default).
  void set_next_time_control(const TimeControl& control) { next_time_control_ = control; }
  const TimeControl& next_time_control() const { return next_time_control_; }

 private:
  void start_vs_com_display();
  // A new game: 先手 plays the lower half and is to move.
  void seat_sente_below();
  // A new game takes the time control chosen for new games, and on time
  // both clocks show from its start.
  void begin_new_game_clock();
  // The status line names the side to move.
  void show_turn_status();

  Game& game_;
  const Appearance& appearance_;
  Drawing& drawing_;
  Messages& messages_;
  Clocks& clocks_;
  Reporter& reporter_;
  GameLifecycle& lifecycle_;
  Screen& screen_;
  RecordListener& record_listener_;
  PendingInput& pending_input_;
  ProgramExit& program_exit_;
  LevelsHandicap& levels_;
  TimeControl next_time_control_;
};

}  // namespace kumora
