#include "view/eval_graph.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace kumora {

namespace {
// Values beyond this (a won game) are drawn at the edge.
constexpr int VALUE_SCALE = 2000;
// Values are hundredths of a pawn; the scale is marked at these leads.
constexpr int PAWN = 100;
constexpr int SCALE_MARKS[] = {5 * PAWN, 20 * PAWN};
// A lead under this is no lead.
constexpr int EVEN_BELOW = PAWN;
const QColor LOWER_AHEAD(70, 120, 200, 90);
const QColor UPPER_AHEAD(200, 80, 60, 90);
// The names of the two halves, in the shading's colours but solid.
const QColor LOWER_NAME(40, 75, 150);
const QColor UPPER_NAME(155, 55, 35);
}  // namespace

EvalGraph::EvalGraph(QWidget* parent) : QWidget(parent) {
  setMinimumHeight(90);
  setCursor(Qt::PointingHandCursor);
}

void EvalGraph::set_values(const std::vector<std::optional<int>>& values) {
  values_ = values;
  update();
}

void EvalGraph::set_current(int position) {
  current_ = position;
  update();
}

void EvalGraph::set_sides(const QString& lower, const QString& upper) {
  lower_name_ = lower;
  upper_name_ = upper;
  update();
}

QString EvalGraph::verdict() const {
  if (current_ < 0 || current_ >= static_cast<int>(values_.size()) || !values_[current_]) {
    return {};
  }
  const int value = *values_[current_];
  if (std::abs(value) < EVEN_BELOW) return tr("互角");
  //: %1 the player ahead, %2 the lead in pawns
  return tr("%1 +%2")
      .arg(value > 0 ? lower_name_ : upper_name_)
      .arg(std::abs(value) / static_cast<double>(PAWN), 0, 'f', 1);
}

QRectF EvalGraph::plot_rect() const { return QRectF(rect()).adjusted(6, 6, -6, -6); }

double EvalGraph::x_of(int position) const {
  const QRectF plot = plot_rect();
  const int last = std::max<int>(1, static_cast<int>(values_.size()) - 1);
  return plot.left() + plot.width() * position / last;
}

double EvalGraph::y_of(int value) const {
  const QRectF plot = plot_rect();
  // Smooth saturation: small differences stay readable, wins reach the edge.
  const double v = std::tanh(static_cast<double>(value) / VALUE_SCALE);
  return plot.center().y() - v * plot.height() / 2;
}

int EvalGraph::known_values() const {
  int known = 0;
  for (const std::optional<int>& value : values_) known += value.has_value();
  return known;
}

QString EvalGraph::describe() const {
  QStringList shown;
  for (const std::optional<int>& value : values_) {
    shown << (value ? QString::number(*value) : QString("?"));
  }
  return QString("values %1: %2, current %3, above %4, below %5, \"%6\"")
      .arg(values_.size())
      .arg(shown.join(' '))
      .arg(current_)
      .arg(lower_name_, upper_name_, verdict());
}

int EvalGraph::position_at(double x) const {
  if (values_.empty()) return -1;
  const QRectF plot = plot_rect();
  const int last = static_cast<int>(values_.size()) - 1;
  if (last == 0) return 0;
  const double t = (x - plot.left()) / plot.width();
  return std::clamp(static_cast<int>(std::lround(t * last)), 0, last);
}

void EvalGraph::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillRect(rect(), palette().base());
  const QRectF plot = plot_rect();
  const double zero = plot.center().y();
  paint_scale(painter);

  QPainterPath line;
  QPainterPath area;
  bool started = false;
  for (size_t i = 0; i < values_.size(); ++i) {
    if (!values_[i]) continue;
    const QPointF point(x_of(static_cast<int>(i)), y_of(*values_[i]));
    if (!started) {
      line.moveTo(point);
      area.moveTo(point.x(), zero);
      started = true;
    } else {
      line.lineTo(point);
    }
    area.lineTo(point);
  }
  if (started) {
    area.lineTo(line.currentPosition().x(), zero);
    area.closeSubpath();
    // The lower player ahead is shaded above the middle line, the upper below.
    painter.save();
    painter.setClipRect(QRectF(plot.left(), plot.top(), plot.width(), zero - plot.top()));
    painter.fillPath(area, LOWER_AHEAD);
    painter.setClipRect(QRectF(plot.left(), zero, plot.width(), plot.bottom() - zero));
    painter.fillPath(area, UPPER_AHEAD);
    painter.restore();
    painter.setPen(QPen(palette().text().color(), 1.5));
    painter.drawPath(line);
  }
  if (current_ >= 0 && current_ < static_cast<int>(values_.size())) {
    painter.setPen(QPen(QColor(220, 160, 0), 1.5, Qt::DashLine));
    const double x = x_of(current_);
    painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
  }
  paint_names(painter);
}

// The middle line, dotted lines at the marked leads, each labelled with the
// lead in pawns at the right edge.
void EvalGraph::paint_scale(QPainter& painter) const {
  const QRectF plot = plot_rect();
  painter.setPen(QPen(palette().mid().color(), 1));
  painter.drawLine(QPointF(plot.left(), plot.center().y()),
                   QPointF(plot.right(), plot.center().y()));
  QFont small = font();
  small.setPointSizeF(font().pointSizeF() * 0.8);
  painter.setFont(small);
  const QFontMetricsF metrics(small);
  for (const int mark : SCALE_MARKS) {
    for (const int value : {mark, -mark}) {
      const double y = y_of(value);
      painter.setPen(QPen(palette().mid().color(), 1, Qt::DotLine));
      painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
      const QString label = QString::number(mark / PAWN);
      const QRectF box(plot.right() - metrics.horizontalAdvance(label) - 2,
                       y - metrics.height() - 1, metrics.horizontalAdvance(label) + 2,
                       metrics.height());
      painter.setPen(palette().placeholderText().color());
      painter.drawText(box, Qt::AlignRight | Qt::AlignBottom, label);
    }
  }
}

// Whose lead each half shows, in its corner, and who leads in the position
// marked, at the top right.
void EvalGraph::paint_names(QPainter& painter) const {
  const QRectF inner = plot_rect().adjusted(3, 1, -3, -1);
  QFont bold = font();
  bold.setBold(true);
  painter.setFont(bold);
  painter.setPen(LOWER_NAME);
  painter.drawText(inner, Qt::AlignLeft | Qt::AlignTop, lower_name_);
  painter.setPen(UPPER_NAME);
  painter.drawText(inner, Qt::AlignLeft | Qt::AlignBottom, upper_name_);
  painter.setPen(palette().text().color());
  painter.drawText(inner.adjusted(0, 0, -QFontMetricsF(bold).horizontalAdvance("20") - 6, 0),
                   Qt::AlignRight | Qt::AlignTop, verdict());
}

void EvalGraph::mousePressEvent(QMouseEvent* event) {
  const int position = position_at(event->position().x());
  if (position >= 0 && on_position_chosen) on_position_chosen(position);
}

}  // namespace kumora
