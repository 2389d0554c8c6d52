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

// The pixels that differ: how many, the rectangle around them, and a map of
// them in red over a faded copy of the stored picture.
struct Difference {
  int count = 0;
  QRect where;
  QImage map;
};

Difference compare_pixels(const QImage& shown, const QImage& stored) {
  Difference difference{0, QRect(), stored};
  for (int y = 0; y < stored.height(); ++y) {
    for (int x = 0; x < stored.width(); ++x) {
      const QRgb s = stored.pixel(x, y);
      if (differs(shown.pixel(x, y), s)) {
        ++difference.count;
        difference.where |= QRect(x, y, 1, 1);
        difference.map.setPixel(x, y, qRgb(255, 0, 0));
      } else {
        const int faded = 128 + qGray(s) / 2;
        difference.map.setPixel(x, y, qRgb(faded, faded, faded));
      }
    }
  }
  return difference;
}

// Saves what was shown and the map of the difference; answers the map's path.
QString save_difference(const QImage& shown, const Difference& difference, const QString& name) {
  const QDir out(KUMORA_LOOKS_OUT);
  out.mkpath(".");
  shown.save(out.filePath(name + ".png"));
  difference.map.save(out.filePath(name + "-difference.png"));
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
  const Difference difference = compare_pixels(shown, stored);
  if (difference.count == 0) return QString();
  const QRect& where = difference.where;
  return QString("%1: %2 pixels differ within (%3, %4) %5 x %6; see %7")
      .arg(name)
      .arg(difference.count)
      .arg(where.x())
      .arg(where.y())
      .arg(where.width())
      .arg(where.height())
      .arg(save_difference(shown, difference, name));
}

QString compare_with_stored_account(const QStringList& shown, const QString& name) {
  const QString text = shown.join('\n') + '\n';
  QFile stored(QDir(KUMORA_LOOKS_DIR).filePath(name + ".txt"));
  if (updating()) {
    return stored.open(QIODevice::WriteOnly) && stored.write(text.toUtf8()) > 0
               ? QString()
               : "could not store " + stored.fileName();
  }
  if (!stored.open(QIODevice::ReadOnly)) return "no stored account " + stored.fileName();
  const QString stored_text = QString::fromUtf8(stored.readAll());
  if (stored_text == text) return QString();
  const QStringList expected = stored_text.split('\n');
  const QStringList lines = text.split('\n');
  int first = 0;
  while (first < expected.size() && first < lines.size() && expected[first] == lines[first]) {
    ++first;
  }
  QString step;
  for (int i = std::min(first, static_cast<int>(lines.size()) - 1); i >= 0; --i) {
    if (lines[i].startsWith("step ")) {
      step = lines[i];
      break;
    }
  }
  const QDir out(KUMORA_LOOKS_OUT);
  out.mkpath(".");
  QFile saved(out.filePath(name + ".txt"));
  if (saved.open(QIODevice::WriteOnly)) saved.write(text.toUtf8());
  return QString("%1 differs at line %2, in %3:\n  stored: %4\n  shown:  %5\nthe whole account: %6")
      .arg(name)
      .arg(first + 1)
      .arg(step, expected.value(first), lines.value(first), saved.fileName());
}

}  // namespace kumora
