// "投了": the person against the computer, or the side to move between two
// people, gives the game up; it ends as a loss, as any game ends.
#pragma once

#include "window/game.h"
#include "window/game_lifecycle.h"
#include "window/pending_input.h"
#include "window/reporter.h"

namespace kumora {

class Drawing;
class Messages;

class Resignation {
 public:
  Resignation(Game& game, Drawing& drawing, Messages& messages, Reporter& reporter,
              GameLifecycle& lifecycle, PendingInput& pending_input)
      : game_(game),
        drawing_(drawing),
        messages_(messages),
        reporter_(reporter),
        lifecycle_(lifecycle),
        pending_input_(pending_input) {}

  // A game is being played that can be given up (not replayed from a record).
  bool possible() const;
  void resign();

 private:
  Game& game_;
  Drawing& drawing_;
  Messages& messages_;
  Reporter& reporter_;
  GameLifecycle& lifecycle_;
  PendingInput& pending_input_;
};

}  // namespace kumora
