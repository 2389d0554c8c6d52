// The person's moves with the mouse: one press is one step of building a
// move, and the move once built is checked, played and the turn handed on.
#pragma once

#include <string>
#include <vector>

#include "window/appearance.h"
#include "window/cell.h"
#include "window/game.h"
#include "window/game_lifecycle.h"
#include "window/pending_input.h"
#include "window/record_listener.h"
#include "window/reporter.h"
#include "window/selection.h"

namespace kumora {

class Clocks;
class Drawing;
class Messages;

constexpr int MOUSE_LEFT = 1;
constexpr int MOUSE_RIGHT = 2;

class MouseInput {
 public:
  MouseInput(Game& game, const Appearance& appearance, Drawing& drawing, Messages& messages,
             Clocks& clocks, Reporter& reporter, GameLifecycle& lifecycle,
             RecordListener& record_listener, PendingInput& pending_input)
      : game_(game),
        appearance_(appearance),
        drawing_(drawing),
        messages_(messages),
        clocks_(clocks),
        reporter_(reporter),
        lifecycle_(lifecycle),
        record_listener_(record_listener),
        pending_input_(pending_input) {}

  void on_mouse_down(int button, int shift, double x, double y);
  const Selection& selection() const { return selection_; }
  // Puts down the piece picked up, if any (a new game, a step through the
  // record, a hint, a resignation).
  void drop_selection() { selection_.piece_picked = false; }
  // Plays a move decided elsewhere (the other person's, from the network) as
  // a person's move ends: recorded, drawn, and the turn handed on. A drop
  // comes from the hand row as the record holds it.
  void play_decided_move(int from_x, int from_y, int to_x, int to_y, int moved, int placed);

 private:
  void handle_press(int button, double x, double y);
  // The links of the move under construction, numbered over their frames.
  void number_chain_links();
  bool resume_stepped_game();
  // Why a click the chain could not use was refused, in words.
  const char* refused_step_status(int x, int y) const;
  void click_board_square(int button, int x, int y);
  void select_board_piece(int x, int y);
  void end_move_at(int button, int x, int y);
  void refusal_tail(int x, int y);
  void click_off_board(int x, int y);
  void select_hand_piece(int x, int y, int code);
  void play_move(int button, int to_x, int to_y);
  void after_person_move_vs_com(int captured);
  void after_person_move_two_persons(bool upper_moved);

  Game& game_;
  const Appearance& appearance_;
  Drawing& drawing_;
  Messages& messages_;
  Clocks& clocks_;
  Reporter& reporter_;
  GameLifecycle& lifecycle_;
  RecordListener& record_listener_;
  PendingInput& pending_input_;
  Selection selection_;
  // The move under construction: its piece (or hand cell), then each own
  // piece it stepped on, in click order.
  std::vector<Cell> chain_links_;
};

}  // namespace kumora
