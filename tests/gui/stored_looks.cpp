#include "tests/gui/stored_looks.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QScreen>

namespace kumora {

namespace {

// Rounding may differ by a shade; a soft tint (the last move's chain links
// change the wood by about 9) must still show.
constexpr int CHANNEL_TOLERANCE = 3;

bool updating() { return qEnvironmentVariableIntValue("KUMORA_UPDATE_LOOKS") == 1; }

QString stored_path(const QString& name) {
  return QDir(KUMORA_LOOKS_DIR).filePath(name + ".png");
}

bool differs(QRgb a, QRgb b) {
  return std::abs(qRed(a) - qRed(b)) > CHANNEL_TOLERANCE ||
         std::abs(qGreen(a) - qGreen(b)) > CHANNEL_TOLERANCE ||
         std::abs(qBlue(a) - qBlue(b)) > CHANNEL_TOLERANCE;
}

// The pixels that differ: how many, and the rectangle around them.
int count_differences(const QImage& shown, const QImage& stored, QRect& where) {
  int count = 0;
  for (int y = 0; y < stored.height(); ++y) {
    for (int x = 0; x < stored.width(); ++x) {
      if (differs(shown.pixel(x, y), stored.pixel(x, y))) {
        where |= QRect(x, y, 1, 1);
        ++count;
      }
    }
  }
  return count;
}

// Saves what was shown and a map of the differing pixels, in red over a faded
// copy of the stored picture; answers the map's path.
QString save_difference(const QImage& shown, const QImage& stored, const QString& name) {
  QImage map = stored;
  for (int y = 0; y < map.height(); ++y) {
    for (int x = 0; x < map.width(); ++x) {
      const int faded = 128 + qGray(stored.pixel(x, y)) / 2;
      const bool differing = differs(shown.pixel(x, y), stored.pixel(x, y));
      map.setPixel(x, y, differing ? qRgb(255, 0, 0) : qRgb(faded, faded, faded));
    }
  }
  const QDir out(KUMORA_LOOKS_OUT);
  out.mkpath(".");
  shown.save(out.filePath(name + ".png"));
  map.save(out.filePath(name + "-difference.png"));
  return out.filePath(name + "-difference.png");
}

}  // namespace

QString drawing_fingerprint() {
  QStringList parts;
  parts << QString("Qt %1").arg(qVersion());
  const QFont font = QGuiApplication::font();
  parts << QString("font %1 %2").arg(QFontInfo(font).family()).arg(QFontInfo(font).pointSizeF());
  for (const char* family : {"Noto Sans CJK JP", "Noto Serif CJK JP", "DejaVu Sans"}) {
    parts << QString("%1 -> %2").arg(family, QFontInfo(QFont(family)).family());
  }
  const QByteArray families = QFontDatabase::families().join('\n').toUtf8();
  parts << "families " +
               QCryptographicHash::hash(families, QCryptographicHash::Sha1).toHex().left(16);
  parts << QString("ratio %1").arg(QGuiApplication::primaryScreen()->devicePixelRatio());
  return parts.join('\n') + '\n';
}

bool stored_looks_apply() {
  QDir(KUMORA_LOOKS_OUT).removeRecursively();  // what an earlier run saved
  QFile file(QDir(KUMORA_LOOKS_DIR).filePath("fingerprint.txt"));
  if (updating()) {
    return file.open(QIODevice::WriteOnly) && file.write(drawing_fingerprint().toUtf8()) > 0;
  }
  return file.open(QIODevice::ReadOnly) && QString::fromUtf8(file.readAll()) == drawing_fingerprint();
}

QString compare_with_stored_look(const QImage& shown_image, const QString& name) {
  const QImage shown = shown_image.convertToFormat(QImage::Format_RGB32);
  if (updating()) {
    return shown.save(stored_path(name)) ? QString() : "could not store " + stored_path(name);
  }
  const QImage stored = QImage(stored_path(name)).convertToFormat(QImage::Format_RGB32);
  if (stored.isNull()) return "no stored picture " + stored_path(name);
  if (stored.size() != shown.size()) {
    return QString("%1: shown %2 x %3, stored %4 x %5")
        .arg(name)
        .arg(shown.width())
        .arg(shown.height())
        .arg(stored.width())
        .arg(stored.height());
  }
  QRect where;
  const int count = count_differences(shown, stored, where);
  if (count == 0) return QString();
  const QString map = save_difference(shown, stored, name);
  return QString("%1: %2 pixels differ within (%3, %4) %5 x %6; see %7")
      .arg(name)
      .arg(count)
      .arg(where.x())
      .arg(where.y())
      .arg(where.width())
      .arg(where.height())
      .arg(map);
}

}  // namespace kumora
