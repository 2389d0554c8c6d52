// What the parts of the main window share: the game, the screen, the boxes
// and sounds, the clocks, the transcript observer, and the few actions of the
// window as a whole that several parts start.
#pragma once

#include <string>

#include "archive/archive_title.h"
#include "core/translation.h"
#include "window/appearance.h"
#include "window/game.h"
#include "window/menu_ticks.h"
#include "window/port/ports.h"

namespace kumora {

// The context of the status line's translations.
inline constexpr const char* STATUS_CONTEXT = "Status";

class Drawing;
class Messages;
class Clocks;

// Thrown when the program ends, so that no handler goes on after the end;
// whoever delivers window events catches it and closes the program.
struct ProgramEnded {};

// Who won, as the game's end announces it: against the computer the person
// or the computer; between two people Sente or Gote.
enum class Winner { PERSON, COMPUTER, SENTE, GOTE };

// The actions of the window as a whole.
class GameFlow {
 public:
  virtual void reset_game() = 0;
  virtual void redraw_all() = 0;
  // Prints again what redraw_all leaves out: the move number, each side's
  // last move and the header lines of a record read for replay.
  virtual void redraw_game_texts() = 0;
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
  // Puts down the piece the person picked up, if any.
  virtual void drop_selection() = 0;
  // Hides the record-file panel and empties its save fields.
  virtual void hide_file_panel() = 0;
  // The game changed: a move was added to the record (the person's or the
  // computer's), taken back, or the board turned round.
  virtual void move_recorded() = 0;
  // Releases the sounds and ends the program (throws ProgramEnded).
  [[noreturn]] virtual void end_program() = 0;

 protected:
  ~GameFlow() = default;
};

// Passes events on to the observer, when there is one, and holds the status
// line: a sentence saying why a click was refused or what to do next. The
// sentence is kept as written, with the text it names, and translated each
// time it is shown, so that it follows a change of language at once.
class Reporter {
 public:
  // `text` is a literal marked with tr_noop(STATUS_CONTEXT, ...), kept as it
  // is; %1 in it stands for `argument`.
  void set_status(const char* text, std::string argument = {}) {
    status_ = text;
    argument_ = std::move(argument);
  }
  std::string status() const { return fill_in(tr_text(STATUS_CONTEXT, status_), {argument_}); }

  void set_observer(WindowObserver* observer) { observer_ = observer; }
  void clock_printed(bool lower, const std::string& text) {
    if (observer_) observer_->clock_printed(lower, text);
  }
  void move_made(int fx, int fy, int tx, int ty, int moved, int placed, int taken) {
    if (observer_) observer_->move_made(fx, fy, tx, ty, moved, placed, taken);
  }
  void path_shown(const int* xs, const int* ys, int count) {
    if (observer_) observer_->path_shown(xs, ys, count);
  }

 private:
  WindowObserver* observer_ = nullptr;
  const char* status_ = "";
  std::string argument_;
};

struct WindowServices {
  Game& game;
  Appearance& appearance;
  MenuTicks& ticks;
  Drawing& drawing;
  Messages& messages;
  Clocks& clocks;
  Reporter& reporter;
  Host& host;
  GameFlow& flow;
};

}  // namespace kumora
