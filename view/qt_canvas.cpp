#include "view/qt_canvas.h"

#include <QFont>
#include <QPainter>
#include <QString>
#include <algorithm>
#include <cmath>

#include "core/constants.h"

namespace kumora {

namespace {

// Where the top of a CJK character sits below the top of its line, as a share
// of the font's pixel size: the program places text by the top of its em box.
constexpr double EM_BOX_ASCENT = 0.88;

}  // namespace

namespace {
constexpr int SHADOW_ALPHA = 120;
}  // namespace

QColor qb_color(int index) {
  static const QRgb palette[16] = {0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080,
                                   0x808000, 0xC0C0C0, 0x808080, 0x0000FF, 0x00FF00, 0x00FFFF,
                                   0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
  if (index < 0 || index > 15) return QColor(Qt::black);
  return QColor(palette[index]);
}

ImageCanvas::ImageCanvas(double scale) { set_scale(scale); }

void ImageCanvas::set_scale(double scale) {
  scale_ = scale;
  image_ = QImage(to_pixels(SURFACE_W_TWIPS), to_pixels(SURFACE_H_TWIPS), QImage::Format_RGB32);
  image_.fill(qb_color(WINDOW_COLOUR));
}

int ImageCanvas::to_pixels(double twips) const {
  return static_cast<int>(std::floor(twips * scale_ / TWIPS_PER_PIXEL + 0.5));
}

QRect ImageCanvas::twip_rect_to_pixels(double x1, double y1, double x2, double y2) const {
  const int left = to_pixels(std::min(x1, x2));
  const int top = to_pixels(std::min(y1, y2));
  const int right = to_pixels(std::max(x1, x2));
  const int bottom = to_pixels(std::max(y1, y2));
  return QRect(left, top, right - left, bottom - top);
}

void ImageCanvas::paint_picture(int code, double x, double y) {
  const QImage picture = pictures_.picture(code, scale_);
  if (picture.isNull()) return;
  const QSize natural = Pictures::natural_size(code);
  const QRect target = twip_rect_to_pixels(x, y, x + natural.width() * TWIPS_PER_PIXEL,
                                           y + natural.height() * TWIPS_PER_PIXEL);
  QPainter painter(&image_);
  // At fractional scales the picture may be a pixel off the cell; stretch it
  // so that neighbouring cells still meet without a gap.
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(target, picture);
}

// The outline lies inside the rectangle, so the frames of two neighbouring
// cells sit side by side instead of overwriting each other.
void ImageCanvas::frame_rect(int colour, double x1, double y1, double x2, double y2) {
  const QRect area = twip_rect_to_pixels(x1, y1, x2, y2);
  if (area.isEmpty()) return;
  // A line and a half of a picture pixel: marks must stand out on the wood.
  const int w = std::max(1, static_cast<int>(std::lround(scale_ * 1.5)));
  const QColor c = qb_color(colour);
  QPainter painter(&image_);
  painter.fillRect(QRect(area.left(), area.top(), area.width(), w), c);
  painter.fillRect(QRect(area.left(), area.bottom() + 1 - w, area.width(), w), c);
  painter.fillRect(QRect(area.left(), area.top(), w, area.height()), c);
  painter.fillRect(QRect(area.right() + 1 - w, area.top(), w, area.height()), c);
}

void ImageCanvas::print_text(double x, double y, const std::string& text, int colour, int size,
                             bool bold) {
  const double pixel_size = size * double(TWIPS_PER_POINT) / TWIPS_PER_PIXEL * scale_;
  QFont font(QString::fromLatin1(JAPANESE_FONT));
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixel_size))));
  font.setBold(bold);
  QPainter painter(&image_);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.setFont(font);
  // Captions are printed twice, a black shadow and then the text a little up
  // and left. A shadow as dark as ink reads as a second, offset copy of small
  // captions; half as dark it reads as a shadow.
  QColor ink = qb_color(colour);
  if (colour == SHADOW_COLOUR) ink.setAlpha(SHADOW_ALPHA);
  painter.setPen(ink);
  const QPointF baseline(x * scale_ / TWIPS_PER_PIXEL,
                         y * scale_ / TWIPS_PER_PIXEL + EM_BOX_ASCENT * font.pixelSize());
  painter.drawText(baseline, QString::fromStdString(text));
}

void ImageCanvas::refresh() {
  if (on_refresh_) on_refresh_();
}

void ImageCanvas::fill(int colour) { image_.fill(qb_color(colour)); }

void ImageCanvas::set_refresh_callback(std::function<void()> callback) {
  on_refresh_ = std::move(callback);
}

bool ImageCanvas::save_png(const std::string& path) const {
  return image_.save(QString::fromStdString(path), "PNG");
}

}  // namespace kumora
