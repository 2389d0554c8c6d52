// "投了": the person against the computer, or the side to move between two
// people, gives the game up; it ends as a loss, as any game ends.
#pragma once

#include "window/services.h"

namespace kumora {

class Resignation {
 public:
  explicit Resignation(WindowServices& services) : s_(services) {}

  // A game is being played that can be given up (not replayed from a record).
  bool possible() const;
  void resign();

 private:
  WindowServices& s_;
};

}  // namespace kumora
