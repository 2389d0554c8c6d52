#include "view/board_diagram.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>

#include "core/guidance.h"
#include "view/qt_canvas.h"

namespace kumora {

namespace {

// A cell of 50 by 62 pixels: the pictures' 33 by 41 at a readable size.
constexpr double CELL_WIDTH = 50;
constexpr double PICTURE_SCALE = CELL_WIDTH / CELL_PIXEL_W;
constexpr double CELL_HEIGHT = 62;  // 41 * 50 / 33, whole pixels so that frames stay sharp
constexpr double MARGIN = 10;
constexpr double FILE_BAND = 30;  // the file numbers above the board
constexpr double RANK_BAND = 30;  // the rank numerals at its right
constexpr double HAND_GAP = 8;
constexpr double COUNT_BAND = 20;  // the count beside a hand piece

const QColor PATH_COLOUR(255, 140, 0);
const QColor ZONE_TINT(235, 30, 30, 95);
const QColor CROSS_COLOUR(220, 0, 0);

QFont label_font(double pixel_size) {
  QFont font(QString::fromLatin1(JAPANESE_FONT));
  font.setBold(true);
  font.setPixelSize(static_cast<int>(std::lround(pixel_size)));
  return font;
}

// Text with the black shadow the window prints its captions with.
void shadowed_text(QPainter& painter, const QRectF& box, const QString& text, QColor colour) {
  painter.setPen(Qt::black);
  painter.drawText(box.translated(1.5, 1.5), Qt::AlignCenter, text);
  painter.setPen(colour);
  painter.drawText(box, Qt::AlignCenter, text);
}

QString file_label(int file) { return QString(QChar(0xFF10 + file)); }

QString rank_label(int rank) {
  static const QString numerals = QStringLiteral("一二三四五六七八九");
  return QString(numerals.at(rank - 1));
}

// A frame inside the cell, so that neighbouring frames do not overlap.
void frame_cell(QPainter& painter, const QRectF& cell, QColor colour, double width,
                bool dashed = false) {
  QPen pen(colour, width, dashed ? Qt::DashLine : Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(cell.adjusted(width / 2, width / 2, -width / 2, -width / 2));
}

// An arrow from link to link, ending short of both centres so that the
// pieces stay readable under it.
void draw_arrow(QPainter& painter, QPointF from, QPointF to, bool dashed) {
  const QLineF full(from, to);
  const double inset = std::min(16.0, full.length() / 4);
  const QPointF unit = (to - from) / full.length();
  const QPointF start = from + unit * inset;
  const QPointF tip = to - unit * inset;
  const QPointF normal(-unit.y(), unit.x());
  const double head = 12;
  const QPointF base = tip - unit * head;
  const QPolygonF arrowhead({tip, base + normal * head * 0.5, base - normal * head * 0.5});

  const Qt::PenStyle style = dashed ? Qt::DashLine : Qt::SolidLine;
  // Translucent, so that a face under the arrow still reads.
  QColor fill = PATH_COLOUR;
  fill.setAlpha(215);
  for (const auto& [colour, width] :
       {std::pair{QColor(40, 20, 0, 110), 7.0}, std::pair{fill, 4.0}}) {
    painter.setPen(QPen(colour, width, style, Qt::FlatCap, Qt::MiterJoin));
    painter.drawLine(start, base);
    painter.setPen(QPen(colour, width - 4.0 + 1.0, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin));
    painter.setBrush(colour);
    painter.drawPolygon(arrowhead);
  }
}

// A numbered disc at the cell's top-left corner: white, or red for a click
// made with the right button.
void draw_badge(QPainter& painter, const QRectF& cell, int number, bool right_button) {
  const double radius = 10.5;
  const QPointF centre = cell.topLeft() + QPointF(radius + 1, radius + 1);
  painter.setPen(QPen(right_button ? QColor(120, 0, 0) : PATH_COLOUR.darker(130), 1.6));
  painter.setBrush(right_button ? QColor(210, 20, 20) : QColor(255, 255, 255));
  painter.drawEllipse(centre, radius, radius);
  painter.setFont(label_font(number >= 10 ? 11 : 14));
  painter.setPen(right_button ? Qt::white : QColor(30, 20, 10));
  painter.drawText(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius),
                   Qt::AlignCenter, QString::number(number));
}

void draw_cross(QPainter& painter, QPointF c, double size) {
  const double half = size / 2;
  for (const auto& [colour, width] :
       {std::pair{QColor(255, 255, 255, 220), size * 0.3}, std::pair{CROSS_COLOUR, size * 0.17}}) {
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(c + QPointF(-half, -half), c + QPointF(half, half));
    painter.drawLine(c + QPointF(-half, half), c + QPointF(half, -half));
  }
}

// The picture of a cell of the promotion zone: its square tinted, the piece
// on it left as it is, so that its face stays easy to read.
QImage zone_tinted(const QImage& picture, const QImage& empty_square) {
  QImage tinted = picture.convertToFormat(QImage::Format_ARGB32);
  const QImage square = empty_square.convertToFormat(QImage::Format_ARGB32);
  const double alpha = ZONE_TINT.alphaF();
  for (int y = 0; y < tinted.height() && y < square.height(); ++y) {
    for (int x = 0; x < tinted.width() && x < square.width(); ++x) {
      const QRgb pixel = tinted.pixel(x, y);
      if (pixel != square.pixel(x, y)) continue;  // the piece
      const auto blend = [alpha](int under, int over) {
        return static_cast<int>(std::lround(under * (1 - alpha) + over * alpha));
      };
      tinted.setPixel(
          x, y,
          qRgba(blend(qRed(pixel), ZONE_TINT.red()), blend(qGreen(pixel), ZONE_TINT.green()),
                blend(qBlue(pixel), ZONE_TINT.blue()), qAlpha(pixel)));
    }
  }
  return tinted;
}

}  // namespace

BoardDiagram::BoardDiagram(const RuleDiagram& diagram, Shows shows, Pictures& pictures,
                           QWidget* parent)
    : QWidget(parent), diagram_(diagram), shows_(shows), pictures_(pictures) {
  state_ = shows == Shows::Before ? diagram_state(diagram) : diagram_result(diagram);
  has_hand_column_ = state_.lower_hand_total > 0;
  double width = MARGIN + diagram.columns() * CELL_WIDTH + RANK_BAND + MARGIN;
  if (has_hand_column_) width += HAND_GAP + CELL_WIDTH + COUNT_BAND;
  const double height = MARGIN + FILE_BAND + diagram.rows() * CELL_HEIGHT + MARGIN;
  setFixedSize(static_cast<int>(std::ceil(width)), static_cast<int>(std::ceil(height)));
}

QRectF BoardDiagram::cell_rect(DiagramSquare square) const {
  const double board_left = MARGIN;
  const double board_top = MARGIN + FILE_BAND;
  if (square.x == LOWER_HAND_COLUMN) {
    // Hand pieces are stacked from the top, one row per kind held.
    int row = 0;
    for (int slot = 1; slot < square.y - 2; ++slot) row += state_.lower_hand[slot] > 0;
    const double left = board_left + diagram_.columns() * CELL_WIDTH + RANK_BAND + HAND_GAP;
    return QRectF(left, board_top + row * CELL_HEIGHT, CELL_WIDTH, CELL_HEIGHT);
  }
  const int column = square.x - (10 - diagram_.left_file);
  const int row = square.y - diagram_.top_rank;
  return QRectF(board_left + column * CELL_WIDTH, board_top + row * CELL_HEIGHT, CELL_WIDTH,
                CELL_HEIGHT);
}

void BoardDiagram::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  paint_background(painter);
  paint_labels(painter);
  paint_cells(painter);
  paint_hand(painter);
  if (shows_ == Shows::After) {
    paint_result_marks(painter);
    return;
  }
  switch (diagram_.marks) {
    case DiagramMarks::Move:
      paint_move_marks(painter);
      break;
    case DiagramMarks::Guidance:
      paint_guidance_marks(painter);
      break;
    case DiagramMarks::NoMove:
      paint_no_move_marks(painter);
      break;
    case DiagramMarks::Numbered:
      paint_numbers(painter);
      break;
  }
}

void BoardDiagram::paint_background(QPainter& painter) const {
  QPainterPath card;
  card.addRoundedRect(QRectF(rect()), 8, 8);
  const QImage felt = pictures_.picture(HAIKEI_MIDORI, PICTURE_SCALE * devicePixelRatioF());
  QBrush brush(felt);
  brush.setTransform(QTransform::fromScale(1 / devicePixelRatioF(), 1 / devicePixelRatioF()));
  painter.fillPath(card, brush);
}

void BoardDiagram::paint_labels(QPainter& painter) const {
  painter.setFont(label_font(FILE_BAND * 0.7));
  for (int file = diagram_.left_file; file >= diagram_.right_file; --file) {
    const QRectF cell = cell_rect({10 - file, diagram_.top_rank});
    shadowed_text(painter, QRectF(cell.left(), MARGIN - 2, CELL_WIDTH, FILE_BAND), file_label(file),
                  qb_color(LABEL_COLOUR));
  }
  painter.setFont(label_font(RANK_BAND * 0.6));
  for (int rank = diagram_.top_rank; rank <= diagram_.bottom_rank; ++rank) {
    const QRectF cell = cell_rect({10 - diagram_.right_file, rank});
    shadowed_text(painter, QRectF(cell.right() + 2, cell.top(), RANK_BAND, CELL_HEIGHT),
                  rank_label(rank), qb_color(LABEL_COLOUR));
  }
  if (has_hand_column_) {
    const QRectF first = cell_rect({LOWER_HAND_COLUMN, 3});
    painter.setFont(label_font(FILE_BAND * 0.5));
    shadowed_text(painter, QRectF(first.left() - 4, MARGIN - 2, CELL_WIDTH + 8, FILE_BAND),
                  tr("持駒"), qb_color(TEXT_COLOUR));
  }
}

void BoardDiagram::paint_cells(QPainter& painter) {
  const double scale = PICTURE_SCALE * devicePixelRatioF();
  const double frame = 1.5 * PICTURE_SCALE;
  for (int y = diagram_.top_rank; y <= diagram_.bottom_rank; ++y) {
    for (int x = 10 - diagram_.left_file; x <= 10 - diagram_.right_file; ++x) {
      const QRectF cell = cell_rect({x, y});
      const QImage picture = pictures_.picture(state_.board(x, y), scale);
      const bool in_zone = diagram_.promotion_zone && y <= 3;
      painter.drawImage(cell,
                        in_zone ? zone_tinted(picture, pictures_.picture(EMPTY, scale)) : picture);
      frame_cell(painter, cell, qb_color(PLAIN_CELL_COLOUR), frame);
    }
  }
}

void BoardDiagram::paint_hand(QPainter& painter) {
  if (!has_hand_column_) return;
  const double scale = PICTURE_SCALE * devicePixelRatioF();
  painter.setFont(label_font(18));
  for (int slot = 1; slot <= 7; ++slot) {
    const int count = state_.lower_hand[slot];
    if (count <= 0) continue;
    const QRectF cell = cell_rect({LOWER_HAND_COLUMN, slot + 2});
    painter.drawImage(cell, pictures_.picture(-HAND_SLOT_CODES[slot], scale));
    frame_cell(painter, cell, qb_color(PLAIN_CELL_COLOUR), 1.5 * PICTURE_SCALE);
    if (count > 1)
      shadowed_text(painter, QRectF(cell.right(), cell.top(), COUNT_BAND, CELL_HEIGHT * 0.6),
                    QString::number(count), qb_color(HAND_COUNT_COLOUR));
  }
}

void BoardDiagram::paint_move_marks(QPainter& painter) const {
  const auto& clicks = diagram_.clicks;
  const bool refused = diagram_.outcome != MoveOutcome::Played;
  for (const DiagramSquare& square : clicks) frame_cell(painter, cell_rect(square), PATH_COLOUR, 3);
  for (size_t i = 1; i < clicks.size(); ++i) {
    const bool last = i + 1 == clicks.size();
    draw_arrow(painter, cell_centre(clicks[i - 1]), cell_centre(clicks[i]), last && refused);
  }
  if (refused && !clicks.empty()) draw_cross(painter, cell_centre(clicks.back()), 30);
  for (size_t i = 0; i < clicks.size(); ++i) {
    const bool last = i + 1 == clicks.size();
    draw_badge(painter, cell_rect(clicks[i]), static_cast<int>(i + 1),
               last && diagram_.right_button);
  }
}

// The frames the real window shows while a move is built: the squares the
// next link can use in white, the piece now stood on in red and the square the
// travelling piece left in light cyan.
void BoardDiagram::paint_guidance_marks(QPainter& painter) const {
  const auto& clicks = diagram_.clicks;
  if (clicks.empty()) return;
  const DiagramSquare from = clicks.back();
  const int piece =
      from.x == LOWER_HAND_COLUMN ? -HAND_SLOT_CODES[from.y - 2] : state_.board(from.x, from.y);
  const int chain_count = static_cast<int>(clicks.size()) - 1;
  const SquareMarks marks = guidance_squares(state_.board, from.x, from.y, piece, chain_count);
  for (int y = diagram_.top_rank; y <= diagram_.bottom_rank; ++y)
    for (int x = 10 - diagram_.left_file; x <= 10 - diagram_.right_file; ++x)
      if (marks(x, y)) frame_cell(painter, cell_rect({x, y}), qb_color(GUIDE_ON_COLOUR), 3);
  if (clicks.size() > 1)
    frame_cell(painter, cell_rect(clicks.front()), qb_color(CHAIN_START_COLOUR), 3);
  frame_cell(painter, cell_rect(from), qb_color(SELECTED_COLOUR), 3);
  for (size_t i = 0; i < clicks.size(); ++i)
    draw_badge(painter, cell_rect(clicks[i]), static_cast<int>(i + 1), false);
}

void BoardDiagram::paint_no_move_marks(QPainter& painter) const {
  for (int y = diagram_.top_rank; y <= diagram_.bottom_rank; ++y)
    for (int x = 10 - diagram_.left_file; x <= 10 - diagram_.right_file; ++x)
      if (is_lower_piece(state_.board(x, y)))
        draw_cross(painter, cell_rect({x, y}).topRight() + QPointF(-12, 12), 15);
}

void BoardDiagram::paint_numbers(QPainter& painter) const {
  for (size_t i = 0; i < diagram_.clicks.size(); ++i)
    draw_badge(painter, cell_rect(diagram_.clicks[i]), static_cast<int>(i + 1), false);
}

void BoardDiagram::paint_result_marks(QPainter& painter) const {
  if (diagram_.clicks.size() < 2) return;
  const DiagramSquare from = diagram_.clicks.front();
  if (from.x != LOWER_HAND_COLUMN) frame_cell(painter, cell_rect(from), PATH_COLOUR, 3, true);
  frame_cell(painter, cell_rect(diagram_.clicks.back()), PATH_COLOUR, 3);
}

}  // namespace kumora
