// Draws the program's icon, a king piece on a square of board wood, at each
// size asked for, into the icon theme's folders:
//   kumora-make-icon FOLDER SIZE...  writes FOLDER/SIZExSIZE/apps/kumora-shogi.png
// Every size is drawn anew rather than shrunk, so the small ones stay sharp.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

#include "core/constants.h"
#include "view/pictures.h"

namespace {

// The icon is laid out on a 256 pixel grid and scaled to `size`.
constexpr double GRID = 256;

QImage draw_icon(kumora::Pictures& pictures, int size) {
  const double unit = size / GRID;
  QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
  icon.fill(Qt::transparent);
  const QImage square = pictures.picture(kumora::EMPTY, 8.0 * unit);
  const QImage king = pictures.picture(-kumora::KING, 5.6 * unit);
  QPainter painter(&icon);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  const QRectF wood(8 * unit, 8 * unit, size - 16 * unit, size - 16 * unit);
  QPainterPath rounded;
  rounded.addRoundedRect(wood, 28 * unit, 28 * unit);
  painter.setClipPath(rounded);
  painter.drawImage(wood, square);
  painter.setClipping(false);
  painter.drawImage(QPointF((size - king.width()) / 2.0, (size - king.height()) / 2.0), king);
  painter.end();
  return icon;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: kumora-make-icon FOLDER SIZE...\n");
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QString folder = QString::fromLocal8Bit(argv[1]);
  kumora::Pictures pictures;
  for (int i = 2; i < argc; ++i) {
    const int size = QString(argv[i]).toInt();
    if (size < 16 || size > 1024) {
      std::fprintf(stderr, "kumora-make-icon: no icon of size %s\n", argv[i]);
      return 2;
    }
    const QString apps = QString("%1/%2x%2/apps").arg(folder).arg(size);
    if (!QDir().mkpath(apps) || !draw_icon(pictures, size).save(apps + "/kumora-shogi.png")) {
      std::fprintf(stderr, "kumora-make-icon: cannot write the icon in %s\n", qPrintable(apps));
      return 1;
    }
  }
  return 0;
}
