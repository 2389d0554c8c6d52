#include "tests/gui/stored_looks.h"

#include <fontconfig/fontconfig.h>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QGuiApplication>
#include <QRawFont>
#include <QScreen>
#include <QtEndian>

namespace kumora {

namespace {

// Rendering noise (rounding in gradients and anti-aliased edges, another
// rasteriser path) moves a channel by a few steps at scattered pixels. A
// real change, even a soft tint (the last move's chain links change the wood
// by about 9) or a frame of one pixel, moves many pixels of a small area.
// So a pixel differs beyond CHANNEL_TOLERANCE, and a picture differs where
// more than DENSE_SHARE of the pixels of some tile of TILE x TILE differ.
constexpr int CHANNEL_TOLERANCE = 4;
constexpr int TILE = 12;
constexpr int DENSE_PIXELS = TILE * TILE / 16;  // 9 of 144

bool updating() { return qEnvironmentVariableIntValue("KUMORA_UPDATE_LOOKS") == 1; }

QString stored_path(const QString& name) { return QDir(KUMORA_LOOKS_DIR).filePath(name + ".png"); }

bool differs(QRgb a, QRgb b) {
  return std::abs(qRed(a) - qRed(b)) > CHANNEL_TOLERANCE ||
         std::abs(qGreen(a) - qGreen(b)) > CHANNEL_TOLERANCE ||
         std::abs(qBlue(a) - qBlue(b)) > CHANNEL_TOLERANCE;
}

// The tiles where the pictures differ densely: how many, the rectangle
// around them, the scattered pixels set aside as noise, and a map of the
// difference (dense tiles red, noise orange) over a faded copy of the
// stored picture.
struct Difference {
  int dense_tiles = 0;
  int noise_pixels = 0;
  QRect where;
  QImage map;
};

Difference compare_pixels(const QImage& shown, const QImage& stored) {
  Difference difference{0, 0, QRect(), stored.copy()};
  for (int y = 0; y < stored.height(); ++y) {
    for (int x = 0; x < stored.width(); ++x) {
      const int faded = 128 + qGray(stored.pixel(x, y)) / 2;
      difference.map.setPixel(x, y, qRgb(faded, faded, faded));
    }
  }
  for (int top = 0; top < stored.height(); top += TILE) {
    for (int left = 0; left < stored.width(); left += TILE) {
      const QRect tile = QRect(left, top, TILE, TILE) & stored.rect();
      QList<QPoint> differing;
      for (int y = tile.top(); y <= tile.bottom(); ++y) {
        for (int x = tile.left(); x <= tile.right(); ++x) {
          if (differs(shown.pixel(x, y), stored.pixel(x, y))) differing << QPoint(x, y);
        }
      }
      const bool dense = differing.size() > DENSE_PIXELS;
      for (const QPoint& at : differing) {
        difference.map.setPixel(at, dense ? qRgb(255, 0, 0) : qRgb(255, 160, 0));
      }
      if (dense) {
        ++difference.dense_tiles;
        difference.where |= tile;
      } else {
        difference.noise_pixels += static_cast<int>(differing.size());
      }
    }
  }
  return difference;
}

// How the desktop's font configuration asks for the font to be rendered
// (anti-aliasing, hinting, sub-pixel order): Qt follows it.
QString rendering_settings(const QString& family, bool bold) {
  FcPattern* pattern = FcPatternCreate();
  FcPatternAddString(pattern, FC_FAMILY,
                     reinterpret_cast<const FcChar8*>(family.toUtf8().constData()));
  FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(nullptr, pattern, &result);
  const auto number = [&](const char* property) {
    int value = -1;
    FcBool on = FcFalse;
    if (match && FcPatternGetInteger(match, property, 0, &value) == FcResultMatch) return value;
    if (match && FcPatternGetBool(match, property, 0, &on) == FcResultMatch) return on ? 1 : 0;
    return -1;
  };
  const QString settings =
      QString("antialias %1 hinting %2 hintstyle %3 autohint %4 rgba %5 lcdfilter %6")
          .arg(number(FC_ANTIALIAS))
          .arg(number(FC_HINTING))
          .arg(number(FC_HINT_STYLE))
          .arg(number(FC_AUTOHINT))
          .arg(number(FC_RGBA))
          .arg(number(FC_LCD_FILTER));
  if (match) FcPatternDestroy(match);
  FcPatternDestroy(pattern);
  return settings;
}

// What decides how a font draws: the file Qt resolved for it, told by the
// font's own header (its revision and the checksum of the whole file).
QString resolved_font(const QString& family, bool bold) {
  QFont font(family);
  font.setBold(bold);
  const QRawFont raw = QRawFont::fromFont(font);
  const QByteArray head = raw.fontTable("head");
  QString version = "no header";
  if (head.size() >= 12) {
    const auto* bytes = reinterpret_cast<const uchar*>(head.constData());
    version = QString("revision %1 file %2")
                  .arg(qFromBigEndian<quint32>(bytes + 4) / 65536.0, 0, 'f', 3)
                  .arg(qFromBigEndian<quint32>(bytes + 8), 8, 16, QChar('0'));
  }
  return QString("%1%2 -> %3 %4, %5, %6")
      .arg(family, bold ? " bold" : "", raw.familyName(), raw.styleName(), version,
           rendering_settings(family, bold));
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
    for (const bool bold : {false, true}) parts << resolved_font(family, bold);
  }
  parts << QString("ratio %1").arg(QGuiApplication::primaryScreen()->devicePixelRatio());
  return parts.join('\n') + '\n';
}

QString looks_do_not_apply() {
  QFile file(QDir(KUMORA_LOOKS_DIR).filePath("fingerprint.txt"));
  const QString stored = file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : "";
  return "the stored looks do not apply here: they were taken with\n" + stored +
         "and this machine draws with\n" + drawing_fingerprint();
}

bool stored_looks_apply() {
  QDir(KUMORA_LOOKS_OUT).removeRecursively();  // what an earlier run saved
  QFile file(QDir(KUMORA_LOOKS_DIR).filePath("fingerprint.txt"));
  if (updating()) {
    return file.open(QIODevice::WriteOnly) && file.write(drawing_fingerprint().toUtf8()) > 0;
  }
  return file.open(QIODevice::ReadOnly) &&
         QString::fromUtf8(file.readAll()) == drawing_fingerprint();
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
  if (difference.dense_tiles == 0) return QString();
  const QRect& where = difference.where;
  return QString(
             "%1: %2 tiles of %3 x %3 pixels differ within (%4, %5) %6 x %7 "
             "(and %8 scattered pixels); see %9")
      .arg(name)
      .arg(difference.dense_tiles)
      .arg(TILE)
      .arg(where.x())
      .arg(where.y())
      .arg(where.width())
      .arg(where.height())
      .arg(difference.noise_pixels)
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
