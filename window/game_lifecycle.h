// The course of a game as the main window runs it: a new game, the
// computer's turn, and the ways a game ends.
#pragma once

#include "archive/archive_title.h"

namespace kumora {

// Who won, as the game's end announces it: against the computer the person
// or the computer; between two people Sente or Gote.
enum class Winner { PERSON, COMPUTER, SENTE, GOTE };

// Implemented by the main window, which holds every part these steps touch.
class GameLifecycle {
 public:
  // The whole game state back to the initial position.
  virtual void reset_game() = 0;
  // The computer's whole turn.
  virtual void com_ban() = 0;
  // Announces the winner and asks for another game.
  virtual void game_over_prompt(Winner winner) = 0;
  // A game lost by resignation or on time: the clock stops, the kept game
  // is marked as ended, and the winner is announced as at any end.
  virtual void end_game_early(GameEnd how, Winner winner) = 0;
  // When a person is to move and has no move the rules allow, ends the game
  // as after a move that left them so; answers whether it did.
  virtual bool end_if_person_cannot_move() = 0;

 protected:
  ~GameLifecycle() = default;
};

}  // namespace kumora
