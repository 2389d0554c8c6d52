// Recording implementations of the window's ports for the scenario runner:
// every box, sound and clock goes to the transcript.
#pragma once

#include <deque>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "core/quoted_text.h"
#include "window/main_window.h"
#include "window/port/ports.h"

namespace kumora {

// Thrown when a Yes/No box finds no queued answer.
struct UnansweredBox {};

// Passes drawing on to the real surface, remembers the last frame colour of
// every cell of the board and the hands, and lists the pictures and texts
// drawn since they were last asked for.
class RecordingCanvas : public Canvas {
 public:
  explicit RecordingCanvas(Canvas& surface) : surface_(surface) { reset_marks(); }
  void paint_picture(int code, double x, double y) override;
  void frame_rect(int colour, double x1, double y1, double x2, double y2) override;
  void print_text(double x, double y, const std::string& text, int colour, int size,
                  bool bold) override;
  void refresh() override { surface_.refresh(); }

  void reset_marks();
  // Last frame colour of cell (x, y), x = -1..11, y = 0..10 (2 when none).
  int mark(int x, int y) const { return marks_[x + 1][y]; }
  // The "pic" and "text" lines of what was drawn since the last call.
  std::vector<std::string> take_paints();

 private:
  Canvas& surface_;
  int marks_[13][11];
  std::vector<std::string> paints_;
};

class RecordingDialogs : public Dialogs {
 public:
  explicit RecordingDialogs(std::ostream& out) : out_(out) {}
  bool message_box(const std::string& text, const std::string& title, BoxButtons buttons,
                   BoxIcon icon) override;
  void queue_answer(bool yes) { answers_.push_back(yes); }

 private:
  std::ostream& out_;
  std::deque<bool> answers_;
};

class RecordingSound : public SoundPort {
 public:
  explicit RecordingSound(std::ostream& out) : out_(out) {}
  bool initialize() override { return true; }
  int load_wave(const std::string& file, int flags, std::string& error) override;
  void play(int buffer) override { log("play", buffer); }
  void play_looping(int buffer) override { log("loop", buffer); }
  void stop(int buffer) override { log("stop", buffer); }
  void free(int buffer) override { names_.erase(buffer); }
  void terminate() override {}

 private:
  void log(const char* verb, int buffer);
  std::ostream& out_;
  std::map<int, std::string> names_;
  int next_handle_ = 1;
};

// The fake time of day: set by the script, and with a step advanced by that
// much after every read, so that time passes while the program works.
class FakeHost : public Host {
 public:
  float now() override;
  // The fake clock's time of day on a fixed date.
  std::string timestamp() override;
  bool wait(double) override { return true; }
  bool wait_for(const std::function<bool()>& done) override;
  void set_timer_enabled(bool) override {}
  void quit() override { ended = true; }

  double time_of_day = 36000.0;
  double step = 0;
  bool ended = false;
};

// Writes the clock, move and path lines of the transcript.
class TranscriptObserver : public WindowObserver {
 public:
  explicit TranscriptObserver(std::ostream& out) : out_(out) {}
  void clock_printed(bool lower, const std::string& text) override;
  void move_made(int fx, int fy, int tx, int ty, int moved, int placed, int taken) override;
  void path_shown(const int* xs, const int* ys, int count) override;
  bool muted = false;

 private:
  std::ostream& out_;
};

// A number of twips with one decimal, as the transcript writes positions.
std::string one_decimal(double value);

}  // namespace kumora
