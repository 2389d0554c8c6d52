#include "view/surface_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

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
  // On whole pixels, so that the bands meet the surface without a seam.
  return QRectF(std::round((width() - w) / 2), std::round((height() - h) / 2), w, h);
}

void SurfaceView::set_background(int code) {
  if (code == background_) return;
  background_ = code;
  update();
}

void SurfaceView::set_last_move(const LastMoveSquares& last_move) {
  last_move_ = last_move;
  update();
}

void SurfaceView::set_chain_numbers(const ChainNumbers& numbers) {
  if (numbers.cells == numbers_.cells &&
      numbers.ends_at_destination == numbers_.ends_at_destination)
    return;
  numbers_ = numbers;
  update();
}

QRectF SurfaceView::cell_rect(const Cell& cell) const {
  const QRectF target = target_rect();
  const double scale = fit_factor() / TWIPS_PER_PIXEL;
  return QRectF(target.left() + (BOARD_X0 + CELL_W * cell.x) * scale,
                target.top() + (BOARD_Y0 + CELL_H * cell.y) * scale, CELL_W * scale,
                CELL_H * scale);
}

// The surface tiles its background on the cell grid; the bands go on with
// the same tiles in the same places.
void SurfaceView::paint_bands(QPainter& painter) {
  const QImage tile = pictures_.picture(background_, device_scale());
  if (tile.isNull()) {
    painter.fillRect(rect(), qb_color(2));
    return;
  }
  const QRectF origin = cell_rect({0, 0});
  const double w = origin.width();
  const double h = origin.height();
  const int first_column = static_cast<int>(std::floor(-origin.left() / w)) - 1;
  const int first_row = static_cast<int>(std::floor(-origin.top() / h)) - 1;
  for (int i = first_column; origin.left() + i * w < width(); ++i) {
    for (int j = first_row; origin.top() + j * h < height(); ++j) {
      const int left = static_cast<int>(std::round(origin.left() + i * w));
      const int top = static_cast<int>(std::round(origin.top() + j * h));
      const int right = static_cast<int>(std::round(origin.left() + (i + 1) * w));
      const int bottom = static_cast<int>(std::round(origin.top() + (j + 1) * h));
      painter.drawImage(QRect(left, top, right - left, bottom - top), tile);
    }
  }
}

// Inside the cells, clear of their edges where the frames are drawn: a soft
// fill, and for the two ends of the move a thin ring just inside the frame.
void SurfaceView::paint_last_move(QPainter& painter) {
  if (!last_move_.present) return;
  const double unit = fit_factor();
  const double inset = std::max(2.0, 2.5 * unit);
  const double ring = std::max(1.2, 1.5 * unit);
  auto mark = [&](const Cell& cell, int fill_alpha, int ring_alpha) {
    const QRectF inner = cell_rect(cell).adjusted(inset, inset, -inset, -inset);
    painter.fillRect(inner, QColor(255, 170, 30, fill_alpha));
    if (ring_alpha == 0) return;
    painter.setPen(QPen(QColor(230, 120, 0, ring_alpha), ring));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(inner.adjusted(ring / 2, ring / 2, -ring / 2, -ring / 2));
  };
  for (const Cell& link : last_move_.links) mark(link, 22, 0);
  mark(last_move_.from, 28, 110);
  mark(last_move_.to, 40, 190);
}

// A round badge in the cell's upper left corner, inside the frame, so that
// the piece stays readable: dark blue for the links, red for the destination.
void SurfaceView::paint_chain_numbers(QPainter& painter) {
  if (numbers_.empty()) return;
  painter.setRenderHint(QPainter::Antialiasing);
  const double unit = fit_factor();
  for (size_t i = 0; i < numbers_.cells.size(); ++i) {
    const QRectF cell = cell_rect(numbers_.cells[i]);
    const double size = std::max(11.0, cell.width() * 0.48);
    const double inset = std::max(2.0, 3.0 * unit);
    const QRectF badge(cell.left() + inset, cell.top() + inset, size, size);
    const bool destination = numbers_.ends_at_destination && i + 1 == numbers_.cells.size();
    painter.setPen(QPen(QColor(255, 255, 255, 230), std::max(1.0, 1.2 * unit)));
    painter.setBrush(destination ? QColor(200, 30, 30, 235) : QColor(25, 55, 150, 235));
    painter.drawEllipse(badge);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(std::max(8, static_cast<int>(size * 0.7)));
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(badge, Qt::AlignCenter, QString::number(i + 1));
  }
}

void SurfaceView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  paint_bands(painter);
  painter.drawImage(target_rect(), surface_.image());
  paint_last_move(painter);
  paint_chain_numbers(painter);
}

QString SurfaceView::describe() const {
  const QRectF target = target_rect();
  QString text = QString("surface at %1,%2 %3x%4, bands background %5")
                     .arg(target.left())
                     .arg(target.top())
                     .arg(target.width(), 0, 'f', 1)
                     .arg(target.height(), 0, 'f', 1)
                     .arg(background_);
  if (!numbers_.empty()) text += ", numbers " + QString::fromStdString(describe_numbers(numbers_));
  if (!last_move_.present) return text + ", no last move";
  const auto cell = [](const Cell& c) { return QString("%1,%2").arg(c.x).arg(c.y); };
  text += ", last move " + cell(last_move_.from) + " to " + cell(last_move_.to);
  for (const Cell& link : last_move_.links) text += " via " + cell(link);
  return text;
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
