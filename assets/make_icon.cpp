// Draws the program's icon: a king piece on a square of board wood.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

#include "core/constants.h"
#include "view/pictures.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: kumora-make-icon OUTPUT.png\n");
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  constexpr int SIZE = 256;
  QImage icon(SIZE, SIZE, QImage::Format_ARGB32_Premultiplied);
  icon.fill(Qt::transparent);
  kumora::Pictures pictures;
  const QImage square = pictures.picture(kumora::EMPTY, 8.0);
  const QImage king = pictures.picture(-kumora::KING, 5.6);
  QPainter painter(&icon);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  QPainterPath rounded;
  rounded.addRoundedRect(QRectF(8, 8, SIZE - 16, SIZE - 16), 28, 28);
  painter.setClipPath(rounded);
  painter.drawImage(QRectF(8, 8, SIZE - 16, SIZE - 16), square);
  painter.setClipping(false);
  painter.drawImage(QPointF((SIZE - king.width()) / 2.0, (SIZE - king.height()) / 2.0), king);
  painter.end();
  return icon.save(argv[1]) ? 0 : 1;
}
