// The side panel right of the board: whose turn it is, the mode with its
// level or handicap grade, the move list and the evaluation graph. A click
// on a move or on a point of the graph asks for that position.
#pragma once

#include <QWidget>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "window/game_summary.h"

class QLabel;
class QListWidget;

namespace kumora {

class EvalGraph;

class SidePanel : public QWidget {
  Q_OBJECT
 public:
  explicit SidePanel(QWidget* parent = nullptr);

  // Shows the summary, which comes in the chosen language.
  void show_summary(const GameSummary& summary);
  // Shows the panel's own captions in the chosen language.
  void retranslate();
  void show_values(const std::vector<std::optional<int>>& values);
  // Texts `scale` times their usual size, for a large window.
  void set_text_scale(double scale);

  // The position (moves from the start) the person chose.
  std::function<void(int)> on_position_chosen;

  QListWidget& move_list() const { return *moves_; }
  EvalGraph& graph() const { return *graph_; }

 private:
  QLabel* turn_;
  QLabel* mode_;
  QListWidget* moves_;
  QLabel* graph_title_;
  EvalGraph* graph_;
  std::vector<std::string> shown_moves_;
  bool syncing_ = false;
  double usual_point_size_;
  double text_scale_ = 0;  // none set yet
};

}  // namespace kumora
