// One diagram of the "遊び方" window: a board excerpt drawn with the program's
// own piece pictures, labelled like the real board (files ９..１ above, ranks
// 一..九 at the right), the lower hand beside it, and the diagram's marks.
#pragma once

#include <QWidget>

#include "view/pictures.h"
#include "view/rule_diagram.h"

namespace kumora {

class BoardDiagram : public QWidget {
  Q_OBJECT
 public:
  // Before: the position with the diagram's marks. After: the position once
  // the move is played, its origin and final square marked.
  enum class Shows { Before, After };

  BoardDiagram(const RuleDiagram& diagram, Shows shows, Pictures& pictures,
               QWidget* parent = nullptr);

  const RuleDiagram& diagram() const { return diagram_; }
  Shows shows() const { return shows_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QRectF cell_rect(DiagramSquare square) const;
  QPointF cell_centre(DiagramSquare square) const { return cell_rect(square).center(); }
  int hand_rows() const;

  void paint_background(QPainter& painter) const;
  void paint_labels(QPainter& painter) const;
  void paint_cells(QPainter& painter);
  void paint_hand(QPainter& painter);
  void paint_move_marks(QPainter& painter) const;
  void paint_guidance_marks(QPainter& painter) const;
  void paint_no_move_marks(QPainter& painter) const;
  void paint_numbers(QPainter& painter) const;
  void paint_result_marks(QPainter& painter) const;

  RuleDiagram diagram_;
  Shows shows_;
  GameState state_;  // the position drawn
  bool has_hand_column_;
  Pictures& pictures_;
};

}  // namespace kumora
