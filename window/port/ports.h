// What the main window's logic needs from the outside world. The Qt adapter
// implements these for the real window; the scenario runner and the tests
// implement them as recorders.
#pragma once

#include <functional>
#include <string>

#include "sound/port/sound_port.h"

namespace kumora {

// Drawing on the window surface. Positions are in twips, colours are indexes
// of the 16-colour QBColor palette.
class Canvas {
 public:
  virtual ~Canvas() = default;
  // Paints the picture of `code` (piece codes, 0 = empty square, 1 = title,
  // 2..6 = backgrounds) with its top-left corner at (x, y). Other codes paint nothing.
  virtual void paint_picture(int code, double x, double y) = 0;
  // Draws the outline of the rectangle (x1, y1)-(x2, y2).
  virtual void frame_rect(int colour, double x1, double y1, double x2, double y2) = 0;
  // Prints UTF-8 text with its top-left corner at (x, y), font size in points.
  virtual void print_text(double x, double y, const std::string& text, int colour, int size,
                          bool bold) = 0;
  // Makes what has been drawn visible now.
  virtual void refresh() = 0;
};

enum class BoxButtons { Ok, YesNo };
enum class BoxIcon { None, Exclamation };

// Modal message boxes.
class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // Shows a box; answers true for OK or Yes, false for No.
  virtual bool message_box(const std::string& text, const std::string& title, BoxButtons buttons,
                           BoxIcon icon) = 0;
};

// The time of day, waiting, the clock timer and the program's end.
class Host {
 public:
  virtual ~Host() = default;
  // Seconds since midnight, single precision.
  virtual float now() = 0;
  // The local date and time, "2026-12-07 11-30-05" (names of kept games).
  virtual std::string timestamp() = 0;
  // Lets `seconds` pass for an animation. The real window keeps its event
  // loop running meanwhile (it repaints, and discards the person's input);
  // recorders return at once. False when the person asked to end the program
  // while waiting.
  virtual bool wait(double seconds) = 0;
  // Keeps the window alive until done() answers true (work running on another
  // thread): the real window runs its event loop meanwhile, repainting and
  // discarding the person's input; recorders just wait. False when the person
  // asked to end the program meanwhile (the work should then be stopped).
  virtual bool wait_for(const std::function<bool()>& done) = 0;
  // The clock timer: enabled or not (ticks every 50 ms while enabled).
  virtual void set_timer_enabled(bool enabled) = 0;
  // Ends the program.
  virtual void quit() = 0;
};

// Receives what a transcript of the window's run reports beyond sounds and boxes.
class WindowObserver {
 public:
  virtual ~WindowObserver() = default;
  virtual void clock_printed(bool lower, const std::string& text) {
    (void)lower;
    (void)text;
  }
  virtual void move_made(int fx, int fy, int tx, int ty, int moved, int placed, int taken) {
    (void)fx;
    (void)fy;
    (void)tx;
    (void)ty;
    (void)moved;
    (void)placed;
    (void)taken;
  }
  virtual void path_shown(const int* xs, const int* ys, int count) {
    (void)xs;
    (void)ys;
    (void)count;
  }
};

}  // namespace kumora
