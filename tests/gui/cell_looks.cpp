#include "tests/gui/cell_looks.h"

#include "tests/gui/window_driver.h"
#include "view/pictures.h"
#include "view/surface_view.h"

#include <QTest>
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

QString cell_mismatch(const WindowDriver& driver, int x, int y, int code, int other) {
  QTest::qWait(20);  // let the window paint what just changed
  const QImage shown = driver.grab_view();
  const QRect cell = driver.cell_in_grab(x, y);
  const double scale = driver.shown_scale() * driver.view().devicePixelRatioF();
  Pictures pictures;
  const double to_code = mean_difference(shown, cell, pictures.picture(code, scale));
  const double to_other = mean_difference(shown, cell, pictures.picture(other, scale));
  if (to_code < LOOKS_LIKE_TOLERANCE && to_code * 2 < to_other) return {};
  return QString("cell (%1,%2): difference %3 to the picture of %4, %5 to that of %6")
      .arg(x)
      .arg(y)
      .arg(to_code)
      .arg(code)
      .arg(to_other)
      .arg(other);
}

}  // namespace kumora
