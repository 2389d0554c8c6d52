#include "view/pictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "core/constants.h"
#include "core/piece_names.h"

namespace kumora {

namespace {

// ---------------------------------------------------------------------------
// Helpers shared by all pictures.

// A small deterministic generator, so that every run draws the same textures.
class TileRandom {
 public:
  explicit TileRandom(uint32_t seed) : state_(seed * 2654435761u + 1u) {}
  double uniform(double lo, double hi) { return lo + (hi - lo) * (next() / 4294967296.0); }
  int below(int n) { return static_cast<int>(next() % static_cast<uint32_t>(n)); }

 private:
  uint32_t next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
  }
  uint32_t state_;
};

uint32_t pixel_hash(uint32_t x, uint32_t y, uint32_t seed) {
  uint32_t h = x * 374761393u + y * 668265263u + seed * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  return h ^ (h >> 16);
}

// -1.0 .. 1.0
double pixel_noise(uint32_t x, uint32_t y, uint32_t seed) {
  return (pixel_hash(x, y, seed) & 0xFFFF) / 32767.5 - 1.0;
}

QImage blank_image(QSize natural, double scale) {
  QImage image(std::max(1, static_cast<int>(std::lround(natural.width() * scale))),
               std::max(1, static_cast<int>(std::lround(natural.height() * scale))),
               QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

// Makes `painter` draw in picture pixels (scale 1 units) on `image`.
void use_picture_units(QPainter& painter, const QImage& image, QSize natural) {
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(image.width() / double(natural.width()), image.height() / double(natural.height()));
}

// Adds grain to an opaque image, device pixel by device pixel. `streak` is the
// share of the noise that only depends on the column (wood grain).
void add_grain(QImage& image, int amplitude, double streak, uint32_t seed) {
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const double n =
          streak * pixel_noise(x, 0, seed) + (1.0 - streak) * pixel_noise(x, y, seed + 1);
      const int d = static_cast<int>(std::lround(n * amplitude));
      const QRgb c = line[x];
      line[x] = qRgba(std::clamp(qRed(c) + d, 0, 255), std::clamp(qGreen(c) + d, 0, 255),
                      std::clamp(qBlue(c) + d, 0, 255), qAlpha(c));
    }
  }
}

// Calls draw(dx, dy) once per neighbouring tile position, so that shapes
// crossing an edge reappear on the opposite edge and the tile repeats seamlessly.
template <typename Draw>
void draw_wrapped(QSizeF tile, Draw draw) {
  for (int i = -1; i <= 1; ++i)
    for (int j = -1; j <= 1; ++j) draw(i * tile.width(), j * tile.height());
}

const QSize CELL_SIZE(CELL_PIXEL_W, CELL_PIXEL_H);
const QSize TITLE_SIZE(TITLE_PIXEL_W, TITLE_PIXEL_H);

// ---------------------------------------------------------------------------
// The empty square: kaya wood with straight vertical grain.

QImage render_board_square(double scale) {
  QImage image = blank_image(CELL_SIZE, scale);
  image.fill(QColor(0xDC, 0xA8, 0x58));
  {
    QPainter painter(&image);
    use_picture_units(painter, image, CELL_SIZE);
    QLinearGradient light(0, 0, CELL_PIXEL_W, CELL_PIXEL_H);
    light.setColorAt(0, QColor(255, 240, 200, 70));
    light.setColorAt(1, QColor(120, 70, 10, 40));
    painter.fillRect(QRectF(0, 0, CELL_PIXEL_W, CELL_PIXEL_H), light);
    TileRandom random(7);
    for (int i = 0; i < 6; ++i) {
      const double x = random.uniform(1, CELL_PIXEL_W - 1);
      const double drift = random.uniform(-1.5, 1.5);
      painter.setPen(QPen(QColor(150, 95, 30, 40 + random.below(30)), random.uniform(0.4, 0.9)));
      painter.drawLine(QPointF(x, 0), QPointF(x + drift, CELL_PIXEL_H));
    }
  }
  add_grain(image, 7, 0.75, 11);
  return image;
}

// ---------------------------------------------------------------------------
// Pieces: a wooden pentagon on the board square, the face written in ink.

struct Face {
  QString text;  // one or two characters, two are stacked
  bool promoted;
};

Face face_of(int magnitude) {
  const char* face = piece_face(magnitude);
  if (face == nullptr) return {QString(), false};
  return {QString::fromUtf8(face), is_promoted_piece(magnitude)};
}

bool is_piece_code(int code) { return !face_of(std::abs(code)).text.isEmpty(); }

// Like real sets, the minor pieces are cut a little smaller than the major ones.
double piece_size(int magnitude) {
  if (magnitude >= BISHOP) return 1.0;
  if (magnitude >= SILVER) return 0.96;
  if (magnitude >= LANCE) return 0.93;
  return 0.9;
}

constexpr double PIECE_BASE_Y = 38.8;
constexpr double PIECE_CENTRE_X = CELL_PIXEL_W / 2.0;

// The outline of a lower player's piece (point up), in picture pixels; an upper
// player's piece is the same turned round the cell's centre.
QPolygonF piece_outline(double size, bool upper) {
  static const QPointF corners[] = {
      {PIECE_CENTRE_X, 2.0}, {27.4, 7.8}, {29.8, PIECE_BASE_Y}, {3.2, PIECE_BASE_Y}, {5.6, 7.8}};
  QPolygonF outline;
  for (const QPointF& c : corners) {
    QPointF p(PIECE_CENTRE_X + (c.x() - PIECE_CENTRE_X) * size,
              PIECE_BASE_Y - (PIECE_BASE_Y - c.y()) * size);
    if (upper) p = QPointF(CELL_PIXEL_W - p.x(), CELL_PIXEL_H - p.y());
    outline << p;
  }
  return outline;
}

// The body: shadow on the board, light wood lit from the top left, a few grain
// lines, a dark edge and a bright rim just inside it.
void paint_piece_body(QPainter& painter, const QPolygonF& outline, uint32_t seed) {
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(70, 35, 0, 120));
  painter.drawPolygon(outline.translated(0.8, 1.0));

  const QRectF box = outline.boundingRect();
  QLinearGradient wood(box.topLeft(), box.bottomRight());
  wood.setColorAt(0.0, QColor(0xFF, 0xF4, 0xD4));
  wood.setColorAt(0.5, QColor(0xF8, 0xE2, 0xAC));
  wood.setColorAt(1.0, QColor(0xE4, 0xBE, 0x7A));
  painter.setBrush(wood);
  painter.drawPolygon(outline);

  painter.save();
  QPainterPath clip;
  clip.addPolygon(outline);
  painter.setClipPath(clip);
  TileRandom random(seed);
  for (int i = 0; i < 5; ++i) {
    const double x = random.uniform(box.left() + 2, box.right() - 2);
    painter.setPen(QPen(QColor(170, 110, 40, 35), random.uniform(0.4, 0.8)));
    painter.drawLine(QPointF(x, box.top()), QPointF(x + random.uniform(-2, 2), box.bottom()));
  }
  QPolygonF rim;
  const QPointF centre = box.center();
  for (const QPointF& p : outline) rim << centre + (p - centre) * 0.9;
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor(255, 255, 240, 110), 0.8));
  painter.drawPolygon(rim);
  painter.restore();

  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor(0x6B, 0x42, 0x18), 0.9, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  painter.drawPolygon(outline);
}

// The serif face looks like brush-written pieces, but its thin strokes fade
// at one device pixel per picture pixel; there the heavier sans face reads better.
// Below this many device pixels a picture pixel, faces are written with the
// font's hinting rather than as scaled outlines.
constexpr double HINTED_FACE_BELOW = 1.0;

QFont face_font(double scale) {
  QFont font(QString::fromLatin1(scale < 1.75 ? JAPANESE_FONT : "Noto Serif CJK JP"));
  font.setBold(true);
  font.setPixelSize(100);
  return font;
}

// The path of one character, scaled so that a full-size kanji fills `box`
// and centred in it. Characters are a little taller than wide, as on real pieces.
QPainterPath character_in_box(QChar character, const QFont& font, const QRectF& box) {
  QPainterPath reference;
  reference.addText(0, 0, font, QStringLiteral("龍"));
  const QRectF full = reference.boundingRect();
  const double sx = std::min(box.width() / full.width(), box.height() / (full.height() * 1.1));
  const double sy = sx * 1.1;
  QPainterPath path;
  path.addText(0, 0, font, QString(character));
  const QRectF own = path.boundingRect();
  QTransform fit;
  fit.translate(box.center().x(), box.center().y());
  fit.scale(sx, sy);
  fit.translate(-own.center().x(), -own.center().y());
  return fit.map(path);
}

// The boxes the face's characters are written in, in picture pixels: one
// box, or two stacked.
std::vector<QRectF> face_boxes(const Face& face, double size) {
  const double top = PIECE_BASE_Y - (PIECE_BASE_Y - 10.0) * size;
  const double bottom = PIECE_BASE_Y - 2.6 * size;
  const double width = 21.0 * size;
  const double left = PIECE_CENTRE_X - width / 2;
  if (face.text.size() == 1) return {QRectF(left, top, width, bottom - top)};
  const double half = (bottom - top) / 2;
  const QRectF upper_box(left + 2, top, width - 4, half);
  return {upper_box, upper_box.translated(0, half)};
}

// The face written on a lower player's piece of the given size.
QPainterPath face_path(const Face& face, double size, const QFont& font) {
  const std::vector<QRectF> boxes = face_boxes(face, size);
  QPainterPath path;
  for (size_t i = 0; i < boxes.size(); ++i) {
    path.addPath(character_in_box(face.text[static_cast<int>(i)], font, boxes[i]));
  }
  return path;
}

QColor face_ink(const Face& face) {
  return face.promoted ? QColor(0xC0, 0x10, 0x18) : QColor(0x1E, 0x12, 0x08);
}

// At a small size an outline scaled to the box blurs the strokes; the font's
// own hinting at a whole pixel size keeps them on the pixel grid.
void paint_face_hinted(QPainter& painter, const Face& face, double size, bool upper, double scale) {
  painter.save();
  painter.resetTransform();
  if (upper) {
    painter.translate(CELL_PIXEL_W * scale, CELL_PIXEL_H * scale);
    painter.rotate(180);
  }
  QFont font(QString::fromLatin1(JAPANESE_FONT));
  font.setBold(true);
  font.setHintingPreference(QFont::PreferFullHinting);
  painter.setPen(face_ink(face));
  const std::vector<QRectF> boxes = face_boxes(face, size);
  for (size_t i = 0; i < boxes.size(); ++i) {
    const QRectF& box = boxes[i];
    const QRectF device(box.left() * scale, box.top() * scale, box.width() * scale,
                        box.height() * scale);
    // A kanji's ink fills about nine tenths of its em square.
    font.setPixelSize(std::max(
        4, static_cast<int>(std::lround(std::min(device.width(), device.height() / 1.1) / 0.9))));
    painter.setFont(font);
    painter.drawText(device, Qt::AlignCenter, QString(face.text[static_cast<int>(i)]));
  }
  painter.restore();
}

void paint_face(QPainter& painter, const Face& face, double size, bool upper, double scale) {
  if (scale < HINTED_FACE_BELOW) {
    paint_face_hinted(painter, face, size, upper, scale);
    return;
  }
  QPainterPath path = face_path(face, size, face_font(scale));
  if (upper) {
    QTransform turn;
    turn.translate(CELL_PIXEL_W, CELL_PIXEL_H);
    turn.rotate(180);
    path = turn.map(path);
  }
  painter.fillPath(path, face_ink(face));
}

QImage render_piece(int code, double scale) {
  QImage image = render_board_square(scale);
  const int magnitude = std::abs(code);
  const bool upper = code > 0;
  const double size = piece_size(magnitude);
  QPainter painter(&image);
  use_picture_units(painter, image, CELL_SIZE);
  paint_piece_body(painter, piece_outline(size, upper), static_cast<uint32_t>(magnitude));
  paint_face(painter, face_of(magnitude), size, upper, scale);
  return image;
}

// ---------------------------------------------------------------------------
// Backgrounds: one cell each, repeating without visible seams.

QImage render_felt(double scale) {
  QImage image = blank_image(CELL_SIZE, scale);
  image.fill(QColor(0x17, 0x6A, 0x2E));
  {
    QPainter painter(&image);
    use_picture_units(painter, image, CELL_SIZE);
    TileRandom random(21);
    for (int i = 0; i < 90; ++i) {
      const QPointF from(random.uniform(0, CELL_PIXEL_W), random.uniform(0, CELL_PIXEL_H));
      const double angle = random.uniform(0, 2 * M_PI);
      const double length = random.uniform(1.5, 4.0);
      const QPointF to = from + QPointF(std::cos(angle), std::sin(angle)) * length;
      const bool light = random.below(2) == 0;
      painter.setPen(QPen(light ? QColor(120, 200, 120, 40) : QColor(0, 30, 0, 50), 0.6));
      draw_wrapped(QSizeF(CELL_SIZE), [&](double dx, double dy) {
        painter.drawLine(from + QPointF(dx, dy), to + QPointF(dx, dy));
      });
    }
  }
  add_grain(image, 9, 0.0, 23);
  return image;
}

QImage render_tatami(double scale) {
  QImage image = blank_image(CELL_SIZE, scale);
  // Under the strands, so that their soft edges at any scale hide what the
  // tile is painted over.
  image.fill(QColor(0x94, 0x96, 0x4C));
  {
    QPainter painter(&image);
    use_picture_units(painter, image, CELL_SIZE);
    TileRandom random(31);
    // Eleven rush strands of three pixels across the cell.
    for (int i = 0; i < 11; ++i) {
      const QRectF strand(i * 3.0, 0, 3.0, CELL_PIXEL_H);
      const int tint = random.below(14) - 7;
      QLinearGradient shading(strand.left(), 0, strand.right(), 0);
      shading.setColorAt(0.0, QColor(0x86 + tint, 0x8A + tint, 0x44 + tint));
      shading.setColorAt(0.45, QColor(0xBE + tint, 0xBE + tint, 0x72 + tint));
      shading.setColorAt(1.0, QColor(0x94 + tint, 0x96 + tint, 0x4C + tint));
      painter.fillRect(strand, shading);
    }
    // The warp threads that hold the rush together.
    painter.setPen(QPen(QColor(90, 85, 40, 90), 0.7));
    for (double y : {10.0, 30.5}) painter.drawLine(QPointF(0, y), QPointF(CELL_PIXEL_W, y));
  }
  add_grain(image, 8, 0.2, 33);
  return image;
}

// One vertical bamboo stalk with a node at node_y.
void paint_stalk(QPainter& painter, const QRectF& stalk, double node_y) {
  QLinearGradient shading(stalk.left(), 0, stalk.right(), 0);
  shading.setColorAt(0.0, QColor(0x2C, 0x55, 0x1A));
  shading.setColorAt(0.3, QColor(0x9C, 0xC8, 0x58));
  shading.setColorAt(0.55, QColor(0x6E, 0xA0, 0x38));
  shading.setColorAt(1.0, QColor(0x27, 0x4A, 0x16));
  painter.fillRect(stalk, shading);
  draw_wrapped(QSizeF(CELL_SIZE), [&](double, double dy) {
    const double y = node_y + dy;
    painter.fillRect(QRectF(stalk.left(), y - 1.2, stalk.width(), 1.2), QColor(210, 235, 150, 110));
    painter.fillRect(QRectF(stalk.left(), y, stalk.width(), 1.0), QColor(25, 45, 10, 170));
  });
}

QImage render_bamboo(double scale) {
  QImage image = blank_image(CELL_SIZE, scale);
  image.fill(QColor(0x14, 0x24, 0x0C));
  {
    QPainter painter(&image);
    use_picture_units(painter, image, CELL_SIZE);
    const double node_heights[] = {9.0, 30.0, 19.0};
    for (int i = 0; i < 3; ++i)
      paint_stalk(painter, QRectF(i * 11.0 + 0.5, 0, 10.0, CELL_PIXEL_H), node_heights[i]);
  }
  add_grain(image, 6, 0.6, 43);
  return image;
}

void paint_star(QPainter& painter, QPointF at, double radius, QColor colour, bool glint) {
  QRadialGradient glow(at, radius * 2.2);
  glow.setColorAt(0.0, colour);
  glow.setColorAt(0.35, QColor(colour.red(), colour.green(), colour.blue(), 150));
  glow.setColorAt(1.0, QColor(colour.red(), colour.green(), colour.blue(), 0));
  painter.setPen(Qt::NoPen);
  painter.setBrush(glow);
  painter.drawEllipse(at, radius * 2.2, radius * 2.2);
  if (!glint) return;
  painter.setPen(QPen(QColor(colour.red(), colour.green(), colour.blue(), 55), 0.4));
  painter.drawLine(at - QPointF(radius * 4, 0), at + QPointF(radius * 4, 0));
  painter.drawLine(at - QPointF(0, radius * 4), at + QPointF(0, radius * 4));
}

QImage render_space(double scale) {
  QImage image = blank_image(CELL_SIZE, scale);
  image.fill(QColor(0x05, 0x06, 0x18));
  {
    QPainter painter(&image);
    use_picture_units(painter, image, CELL_SIZE);
    const QSizeF tile(CELL_SIZE);
    // Faint nebulae.
    const struct {
      QPointF at;
      double radius;
      QColor colour;
    } clouds[] = {{{8, 30}, 16, QColor(90, 40, 140, 70)}, {{26, 8}, 13, QColor(30, 70, 150, 70)}};
    for (const auto& cloud : clouds) {
      draw_wrapped(tile, [&](double dx, double dy) {
        const QPointF at = cloud.at + QPointF(dx, dy);
        QRadialGradient haze(at, cloud.radius);
        haze.setColorAt(0, cloud.colour);
        haze.setColorAt(1,
                        QColor(cloud.colour.red(), cloud.colour.green(), cloud.colour.blue(), 0));
        painter.setPen(Qt::NoPen);
        painter.setBrush(haze);
        painter.drawEllipse(at, cloud.radius, cloud.radius);
      });
    }
    TileRandom random(51);
    const QColor tints[] = {QColor(255, 255, 255), QColor(200, 215, 255), QColor(255, 235, 200)};
    for (int i = 0; i < 22; ++i) {
      const QPointF at(random.uniform(0, CELL_PIXEL_W), random.uniform(0, CELL_PIXEL_H));
      const double radius = random.uniform(0.25, 0.6);
      QColor colour = tints[random.below(3)];
      colour.setAlpha(120 + random.below(136));
      draw_wrapped(tile, [&](double dx, double dy) {
        paint_star(painter, at + QPointF(dx, dy), radius, colour, false);
      });
    }
    // One brighter star; a faint glint only, since it repeats on every cell.
    draw_wrapped(tile, [&](double dx, double dy) {
      paint_star(painter, QPointF(21.5 + dx, 27.5 + dy), 0.55, QColor(255, 255, 255, 230), true);
    });
  }
  add_grain(image, 3, 0.0, 53);
  return image;
}

void paint_brick(QPainter& painter, const QRectF& brick, int tint) {
  QLinearGradient face(brick.topLeft(), brick.bottomRight());
  face.setColorAt(0, QColor(0xB2 + tint, 0x4E + tint / 2, 0x32));
  face.setColorAt(1, QColor(0x8E + tint, 0x36 + tint / 2, 0x24));
  painter.fillRect(brick, face);
  painter.fillRect(QRectF(brick.left(), brick.top(), brick.width(), 0.6),
                   QColor(255, 200, 170, 60));
}

QImage render_brick(double scale) {
  QImage image = blank_image(CELL_SIZE, scale);
  image.fill(QColor(0xB4, 0xAC, 0x9C));  // mortar
  {
    QPainter painter(&image);
    use_picture_units(painter, image, CELL_SIZE);
    // Four courses in running bond; the rows add up to the cell height and the
    // bricks to its width, so the mortar lines fall on whole pixels.
    const int row_top[] = {0, 10, 20, 31, 41};
    const int brick_left[2][3] = {{0, 16, 33}, {8, 24, 41}};
    TileRandom random(61);
    for (int row = 0; row < 4; ++row) {
      for (int b = 0; b < 2; ++b) {
        const int* lefts = brick_left[row % 2];
        const QRectF brick(lefts[b] + 1, row_top[row] + 1, lefts[b + 1] - lefts[b] - 1,
                           row_top[row + 1] - row_top[row] - 1);
        const int tint = random.below(30) - 15;
        draw_wrapped(QSizeF(CELL_SIZE), [&](double dx, double dy) {
          painter.save();
          painter.translate(dx, dy);
          paint_brick(painter, brick, tint);
          painter.restore();
        });
      }
    }
  }
  add_grain(image, 12, 0.0, 63);
  return image;
}

// ---------------------------------------------------------------------------
// The title: a black lacquer plaque with the name in gold.

QPainterPath text_in_box(const QString& text, const QFont& font, const QRectF& box) {
  QPainterPath path;
  path.addText(0, 0, font, text);
  const QRectF own = path.boundingRect();
  const double s = std::min(box.width() / own.width(), box.height() / own.height());
  QTransform fit;
  fit.translate(box.center().x(), box.center().y());
  fit.scale(s, s);
  fit.translate(-own.center().x(), -own.center().y());
  return fit.map(path);
}

QImage render_title(double scale) {
  QImage image = blank_image(TITLE_SIZE, scale);
  QPainter painter(&image);
  use_picture_units(painter, image, TITLE_SIZE);
  const QRectF plaque(0.5, 0.5, TITLE_PIXEL_W - 1, TITLE_PIXEL_H - 1);
  QLinearGradient lacquer(0, 0, 0, TITLE_PIXEL_H);
  lacquer.setColorAt(0, QColor(0x3A, 0x1A, 0x0C));
  lacquer.setColorAt(1, QColor(0x14, 0x08, 0x04));
  painter.setPen(QPen(QColor(0xD4, 0xA8, 0x3A), 1.0));
  painter.setBrush(lacquer);
  painter.drawRoundedRect(plaque, 5, 5);
  painter.setPen(QPen(QColor(0xD4, 0xA8, 0x3A, 150), 0.6));
  painter.setBrush(Qt::NoBrush);
  painter.drawRoundedRect(plaque.adjusted(2.5, 2.5, -2.5, -2.5), 3, 3);

  QLinearGradient gold(0, 8, 0, 44);
  gold.setColorAt(0, QColor(0xFF, 0xF0, 0xB0));
  gold.setColorAt(0.5, QColor(0xE8, 0xC0, 0x50));
  gold.setColorAt(1, QColor(0xB0, 0x80, 0x20));
  QFont serif(QStringLiteral("Noto Serif CJK JP"));
  serif.setBold(true);
  serif.setPixelSize(100);
  const QPainterPath name = text_in_box(QStringLiteral("雲羅将棋"), serif, QRectF(10, 8, 104, 34));
  painter.fillPath(name.translated(0.8, 0.8), QColor(0, 0, 0, 160));
  painter.fillPath(name, gold);

  QFont latin(QStringLiteral("Noto Serif CJK JP"));
  latin.setPixelSize(100);
  latin.setLetterSpacing(QFont::PercentageSpacing, 125);
  const QPainterPath romaji =
      text_in_box(QStringLiteral("KUMORA SHOGI"), latin, QRectF(22, 47, 80, 8));
  painter.fillPath(romaji, QColor(0xE8, 0xD0, 0x90));
  return image;
}

}  // namespace

// ---------------------------------------------------------------------------

bool Pictures::has_picture(int code) {
  return code == EMPTY || (code >= TITLE_PICTURE && code <= HAIKEI_RENGA) || is_piece_code(code);
}

QSize Pictures::natural_size(int code) {
  if (!has_picture(code)) return {};
  return code == TITLE_PICTURE ? TITLE_SIZE : CELL_SIZE;
}

QImage Pictures::picture(int code, double scale) {
  if (!has_picture(code)) return {};
  const int scale_key = static_cast<int>(std::lround(scale * 100));
  if (scale_key != cached_scale_) {
    cache_.clear();
    cached_scale_ = scale_key;
  }
  auto found = cache_.find(code);
  if (found == cache_.end()) found = cache_.emplace(code, render(code, scale)).first;
  return found->second;
}

QImage Pictures::render(int code, double scale) {
  switch (code) {
    case EMPTY:
      return render_board_square(scale);
    case TITLE_PICTURE:
      return render_title(scale);
    case HAIKEI_MIDORI:
      return render_felt(scale);
    case HAIKEI_TATAMI:
      return render_tatami(scale);
    case HAIKEI_TAKE:
      return render_bamboo(scale);
    case HAIKEI_UCHU:
      return render_space(scale);
    case HAIKEI_RENGA:
      return render_brick(scale);
    default:
      return render_piece(code, scale);
  }
}

}  // namespace kumora
