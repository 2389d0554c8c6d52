// The status line and the transcript observer, which several parts of the
// main window report to.
#pragma once

#include <string>
#include <utility>

#include "core/translation.h"
#include "window/port/ports.h"

namespace kumora {

// The context of the status line's translations.
inline constexpr const char* STATUS_CONTEXT = "Status";

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

}  // namespace kumora
