#include "tests/gui/cell_looks.h"

#include <algorithm>
#include <cstdlib>

namespace kumora {

namespace {

// The cell's edge carries the frames of selection and guidance; leave it out.
QRect inside(const QRect& cell) {
  const int mx = std::max(2, cell.width() / 8);
  const int my = std::max(2, cell.height() / 8);
  return cell.adjusted(mx, my, -mx, -my);
}

double mean_of_differences(const QImage& a, QPoint a_origin, const QImage& b, QPoint b_origin,
                           QSize size) {
  long long sum = 0;
  for (int y = 0; y < size.height(); ++y) {
    for (int x = 0; x < size.width(); ++x) {
      const QRgb p = a.pixel(a_origin + QPoint(x, y));
      const QRgb q = b.pixel(b_origin + QPoint(x, y));
      sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
             std::abs(qBlue(p) - qBlue(q));
    }
  }
  const long long count = 3LL * size.width() * size.height();
  return count == 0 ? 255.0 : static_cast<double>(sum) / count;
}

}  // namespace

double mean_difference(const QImage& shown, const QRect& cell, const QImage& picture) {
  const QImage drawn = picture.scaled(cell.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                           .convertToFormat(QImage::Format_RGB32);
  const QRect part = inside(cell);
  return mean_of_differences(shown, part.topLeft(), drawn, part.topLeft() - cell.topLeft(),
                             part.size());
}

double mean_difference(const QImage& a, const QImage& b, const QRect& region) {
  return mean_of_differences(a, region.topLeft(), b, region.topLeft(), region.size());
}

}  // namespace kumora
