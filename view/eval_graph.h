// The evaluation graph of the side panel: the value of the position after
// each move of the record, drawn as a line over the move number, the side
// ahead shaded; a click on a point asks for that position.
#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

namespace kumora {

class EvalGraph : public QWidget {
  Q_OBJECT
 public:
  explicit EvalGraph(QWidget* parent = nullptr);

  // values[i]: the position after i moves, from the lower player's side in
  // hundredths of a pawn; empty while not yet computed.
  void set_values(const std::vector<std::optional<int>>& values);
  void set_current(int position);
  // The names of the players whose lead is drawn above (the lower player)
  // and below the middle line, in the chosen language.
  void set_sides(const QString& lower, const QString& upper);
  // Who is ahead in the position marked, and by how much in pawns:
  // "先手 +3.2", or "互角" when the lead is under one pawn; empty without a value.
  QString verdict() const;
  // The position shown under the widget's point x; -1 when there is none.
  int position_at(double x) const;
  // Where the graph draws a position, across the widget.
  double x_of(int position) const;
  // How many positions have a value.
  int known_values() const;
  // The values drawn and the position marked: "values 3: 0 -12 40, current 2"
  // ("?" for a value not yet known).
  QString describe() const;

  std::function<void(int)> on_position_chosen;

  QSize sizeHint() const override { return QSize(240, 140); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QRectF plot_rect() const;
  double y_of(int value) const;
  void paint_scale(QPainter& painter) const;
  void paint_names(QPainter& painter) const;

  std::vector<std::optional<int>> values_;
  int current_ = 0;
  QString lower_name_;
  QString upper_name_;
};

}  // namespace kumora
