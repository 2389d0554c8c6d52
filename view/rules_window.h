// The "遊び方" window: how the game is played, section by section, with
// diagrams drawn from the program's own pieces. It is not modal, so it can
// stay open beside the game.
#pragma once

#include <QWidget>
#include <vector>

#include "view/pictures.h"
#include "view/rules_contents.h"

class QLabel;
class QListWidget;
class QScrollArea;

namespace kumora {

class RulesWindow : public QWidget {
  Q_OBJECT
 public:
  explicit RulesWindow(QWidget* parent = nullptr);

  // The section headings in order, as the window shows them.
  const std::vector<QLabel*>& section_headings() const { return headings_; }
  // Scrolls so that section `index` starts at the top of the page.
  void show_section(int index);

 private:
  QWidget* build_page();
  QWidget* build_section(const RuleSection& section, int number);
  // `before_board` is given for the board after a move, which follows it.
  QWidget* build_card(QWidget* board, const QString& caption, QWidget* before_board = nullptr);
  QListWidget* build_contents_list();

  Pictures pictures_;
  QScrollArea* scroll_;
  std::vector<QLabel*> headings_;
};

}  // namespace kumora
