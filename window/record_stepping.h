// Stepping through the move record: "最初", "戻" and "進".
#pragma once

#include "window/services.h"

namespace kumora {

class RecordStepping {
 public:
  explicit RecordStepping(WindowServices& services) : s_(services) {}

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

  WindowServices& s_;
};

}  // namespace kumora
