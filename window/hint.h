// "ヒント": the move the strong search (as LEVEL4) would play for the side to
// move, shown without making it: its chain framed link by link, and the move
// written in the status line as the last-move text writes it.
#pragma once

#include "window/services.h"

namespace kumora {

class StrongSearch;
struct Candidate;

constexpr int HINT_COLOUR = 14;

class Hint {
 public:
  Hint(WindowServices& services, StrongSearch& search) : s_(services), search_(search) {}

  void show_hint();

 private:
  void frame_chain(const Candidate& move);

  WindowServices& s_;
  StrongSearch& search_;
};

}  // namespace kumora
