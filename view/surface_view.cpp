#include "view/surface_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace kumora {

SurfaceView::SurfaceView(const ImageCanvas& surface, QWidget* parent)
    : QWidget(parent), surface_(surface) {
  setMinimumSize(SURFACE_W_TWIPS / TWIPS_PER_PIXEL / 2, SURFACE_H_TWIPS / TWIPS_PER_PIXEL / 2);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

double SurfaceView::fit_factor() const {
  const double fx = static_cast<double>(width()) * TWIPS_PER_PIXEL / SURFACE_W_TWIPS;
  const double fy = static_cast<double>(height()) * TWIPS_PER_PIXEL / SURFACE_H_TWIPS;
  return std::max(0.1, std::min(fx, fy));
}

double SurfaceView::device_scale() const { return fit_factor() * devicePixelRatioF(); }

QRectF SurfaceView::target_rect() const {
  const double f = fit_factor();
  const double w = SURFACE_W_TWIPS / static_cast<double>(TWIPS_PER_PIXEL) * f;
  const double h = SURFACE_H_TWIPS / static_cast<double>(TWIPS_PER_PIXEL) * f;
  return QRectF((width() - w) / 2, (height() - h) / 2, w, h);
}

void SurfaceView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), qb_color(2));
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(target_rect(), surface_.image());
}

void SurfaceView::mousePressEvent(QMouseEvent* event) {
  if (!on_mouse_press) return;
  int button = 0;
  if (event->button() == Qt::LeftButton) button = 1;
  if (event->button() == Qt::RightButton) button = 2;
  if (button == 0) return;
  const QRectF target = target_rect();
  const double twips_per_logical = TWIPS_PER_PIXEL / fit_factor();
  const double x = (event->position().x() - target.left()) * twips_per_logical;
  const double y = (event->position().y() - target.top()) * twips_per_logical;
  on_mouse_press(button, x, y);
}

void SurfaceView::resizeEvent(QResizeEvent*) {
  if (on_scale_needed) on_scale_needed(device_scale());
  if (on_resized) on_resized();
}

}  // namespace kumora
