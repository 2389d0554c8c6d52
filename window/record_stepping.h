// Stepping through the move record: "最初", "戻" and "進".
#pragma once

#include "window/game.h"
#include "window/game_lifecycle.h"
#include "window/pending_input.h"
#include "window/record_listener.h"
#include "window/reporter.h"

namespace kumora {

class Clocks;
class Drawing;
class Messages;

class RecordStepping {
 public:
  RecordStepping(Game& game, Drawing& drawing, Messages& messages, Clocks& clocks,
                 Reporter& reporter, GameLifecycle& lifecycle, RecordListener& record_listener,
                 PendingInput& pending_input)
      : game_(game),
        drawing_(drawing),
        messages_(messages),
        clocks_(clocks),
        reporter_(reporter),
        lifecycle_(lifecycle),
        record_listener_(record_listener),
        pending_input_(pending_input) {}

  void start_over();
  void step_back();
  void step_forward();
  // Shows the position after `position` moves of the record by stepping with
  // "戻" or "進" until it is reached or a step is refused.
  void step_to(int position);
  // "待った": against the computer back to the person's previous turn,
  // between two people one move back; the game goes on from there.
  void take_back_last_move();
  // Takes the last `moves` moves back and goes on from there, as 待った
  // does once it knows how many.
  void take_back(int moves);

 private:
  // How many moves "待った" takes back; 0 when there is nothing to take back.
  int moves_to_take_back() const;
  void stepped_status();

  Game& game_;
  Drawing& drawing_;
  Messages& messages_;
  Clocks& clocks_;
  Reporter& reporter_;
  GameLifecycle& lifecycle_;
  RecordListener& record_listener_;
  PendingInput& pending_input_;
};

}  // namespace kumora
