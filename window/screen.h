// Repainting the main window as a whole.
#pragma once

namespace kumora {

// Implemented by the main window, which knows every part that paints.
class Screen {
 public:
  // Repaints the whole window.
  virtual void redraw_all() = 0;
  // Prints again what redraw_all leaves out: the move number, each side's
  // last move and the header lines of a record read for replay.
  virtual void redraw_game_texts() = 0;

 protected:
  ~Screen() = default;
};

}  // namespace kumora
