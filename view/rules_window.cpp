#include "view/rules_window.h"

namespace kumora {

RulesWindow::RulesWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setWindowTitle("遊び方 - 雲羅将棋");
}

}  // namespace kumora
