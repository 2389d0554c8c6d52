// What the person has left open when another action begins.
#pragma once

namespace kumora {

// A piece picked up with the mouse, and the record-file panel: actions that
// start something else put both away first.
class PendingInput {
 public:
  // Puts down the piece the person picked up, if any.
  virtual void drop_selection() = 0;
  // Hides the record-file panel and empties its save fields.
  virtual void hide_file_panel() = 0;

 protected:
  ~PendingInput() = default;
};

}  // namespace kumora
