// The rules of the game explained in a window of its own.
#pragma once

#include <QWidget>

namespace kumora {

class RulesWindow : public QWidget {
  Q_OBJECT
 public:
  explicit RulesWindow(QWidget* parent = nullptr);
};

}  // namespace kumora
