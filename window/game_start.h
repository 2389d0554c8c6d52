// Starting a game in one of its modes, flipping the board and the end of a game.
#pragma once

#include <string>

#include "window/services.h"

namespace kumora {

class LevelsHandicap;

class GameStart {
 public:
  GameStart(WindowServices& services, LevelsHandicap& levels) : s_(services), levels_(levels) {}

  void START_Click();
  void SENTE_Click();
  void GOTE_Click();
  void REVERSE_Click();
  // Announces the winner and asks for another game.
  void game_over_prompt(Winner winner);
  // At the start or resumption of a game: a person to move who cannot move
  // loses, with the message of that case. The computer's turn tells its own.
  bool end_if_person_cannot_move();

 private:
  void start_vs_com_display();
  // The status line names the side to move.
  void show_turn_status();

  WindowServices& s_;
  LevelsHandicap& levels_;
};

}  // namespace kumora
