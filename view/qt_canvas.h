// The window surface as an off-screen image: the drawing primitives of the
// window's logic paint into it in twips, and the Qt window shows it.
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <functional>
#include <string>

#include "core/constants.h"
#include "view/pictures.h"
#include "window/port/ports.h"

namespace kumora {

// Twips per pixel at scale 1.
constexpr int TWIPS_PER_PIXEL = 15;

// The 16 colours of the QBColor palette; indexes outside 0..15 give black.
QColor qb_color(int index);

class ImageCanvas : public Canvas {
 public:
  explicit ImageCanvas(double scale = 1.0);

  void paint_picture(int code, double x, double y) override;
  void frame_rect(int colour, double x1, double y1, double x2, double y2) override;
  void print_text(double x, double y, const std::string& text, int colour, int size,
                  bool bold) override;
  void refresh() override;

  // Fills the whole surface with a palette colour (the window's back colour).
  void fill(int colour);
  // Device pixels per picture pixel. Changing it starts a new, empty surface;
  // the window redraws everything afterwards.
  void set_scale(double scale);
  double scale() const { return scale_; }
  // Called by refresh(), so that the window can show the surface at once.
  void set_refresh_callback(std::function<void()> callback);

  const QImage& image() const { return image_; }
  bool save_png(const std::string& path) const;

  // Device pixel of a twip coordinate (rounded to the nearest pixel edge).
  int to_pixels(double twips) const;

 private:
  QRect twip_rect_to_pixels(double x1, double y1, double x2, double y2) const;

  double scale_;
  QImage image_;
  Pictures pictures_;
  std::function<void()> on_refresh_;
};

}  // namespace kumora
