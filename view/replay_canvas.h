// A canvas that remembers what is visible on the surface, so that the whole
// picture can be painted again at another device scale (window resized,
// moved to a denser screen) without asking the window's logic to redraw.
#pragma once

#include <string>
#include <vector>

#include "view/qt_canvas.h"

namespace kumora {

class ReplayCanvas : public Canvas {
 public:
  explicit ReplayCanvas(ImageCanvas& surface) : surface_(surface) {}

  void paint_picture(int code, double x, double y) override;
  void frame_rect(int colour, double x1, double y1, double x2, double y2) override;
  void print_text(double x, double y, const std::string& text, int colour, int size,
                  bool bold) override;
  void refresh() override { surface_.refresh(); }

  // Starts the surface anew at `scale` and paints everything visible again.
  void rescale(double scale);

  // What the surface shows, one line "PLACE = WHAT" for each picture and
  // text still visible, in the order drawn: "cell 5,9 = lower 金", "text
  // 1594.5,346.0 = colour 14 size 16 bold "９"". A place on the board's grid
  // is named by its cell; the background is told by how many tiles show.
  std::vector<std::string> describe() const;
  // The frames still visible: "frame cell 5,9 = colour 12" for a cell's
  // frame, else with both corners in twips.
  std::vector<std::string> describe_frames() const;

 private:
  enum class Kind { Picture, Frame, Text };
  struct Operation {
    Kind kind;
    int code_or_colour;
    double x1, y1, x2, y2;  // twips; for text an estimate of where it lies
    std::string text;
    int size = 0;
    bool bold = false;
  };
  void draw(const Operation& operation);
  // Forgets every operation that an opaque picture over (x1, y1)-(x2, y2) hides,
  // and the texts that start under it.
  void forget_hidden(double x1, double y1, double x2, double y2);

  ImageCanvas& surface_;
  std::vector<Operation> operations_;
};

}  // namespace kumora
