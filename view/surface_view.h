// The widget that shows the window surface, scaled uniformly to fit, and
// hands mouse presses back in twips.
#pragma once

#include <QWidget>
#include <functional>

#include "view/pictures.h"
#include "view/qt_canvas.h"
#include "window/chain_numbers.h"
#include "window/last_move.h"

namespace kumora {

class SurfaceView : public QWidget {
  Q_OBJECT
 public:
  SurfaceView(const ImageCanvas& surface, QWidget* parent = nullptr);

  // Called with the button (1 left, 2 right) and the position in twips.
  std::function<void(int, double, double)> on_mouse_press;
  // Called when the device scale the surface should have changes.
  std::function<void(double)> on_scale_needed;

  // Logical pixels per pixel of the surface (15 twips) at the present size.
  double fit_factor() const;
  // The device scale that shows the surface sharp at the present size.
  double device_scale() const;
  // Where the surface's top-left corner is shown, in logical pixels.
  QPointF surface_origin() const { return target_rect().topLeft(); }
  // Called after a resize has been handled.
  std::function<void()> on_resized;

  // Where the surface is shown and what is painted over and around it:
  // "surface at 12,0 940x752, bands background 2, last move 8,8 to 8,6".
  QString describe() const;

  // The background picture continued into the bands beside the surface.
  void set_background(int code);
  // The last move, tinted softly under the cell frames.
  void set_last_move(const LastMoveSquares& last_move);
  // The click order of a chain, written over the cells' frames.
  void set_chain_numbers(const ChainNumbers& numbers);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QRectF target_rect() const;
  void paint_bands(QPainter& painter);
  void paint_last_move(QPainter& painter);
  void paint_chain_numbers(QPainter& painter);
  QRectF cell_rect(const Cell& cell) const;

  const ImageCanvas& surface_;
  Pictures pictures_;
  int background_ = 0;
  LastMoveSquares last_move_;
  ChainNumbers numbers_;
};

}  // namespace kumora
