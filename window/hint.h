// "ヒント": the move the strong search (as LEVEL4) would play for the side to
// move, shown without making it: its chain framed link by link, and the move
// written in the status line as the last-move text writes it.
#pragma once

#include "window/game.h"
#include "window/pending_input.h"
#include "window/reporter.h"

namespace kumora {

class Drawing;
class Messages;
class StrongSearch;
struct Candidate;

constexpr int HINT_COLOUR = 14;

class Hint {
 public:
  Hint(const Game& game, Drawing& drawing, Messages& messages, Reporter& reporter,
       PendingInput& pending_input, StrongSearch& search)
      : game_(game),
        drawing_(drawing),
        messages_(messages),
        reporter_(reporter),
        pending_input_(pending_input),
        search_(search) {}

  void show_hint();

 private:
  void frame_chain(const Candidate& move);

  const Game& game_;
  Drawing& drawing_;
  Messages& messages_;
  Reporter& reporter_;
  PendingInput& pending_input_;
  StrongSearch& search_;
};

}  // namespace kumora
