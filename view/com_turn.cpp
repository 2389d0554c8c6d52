// The computer's turn.
#include "view/main_window.h"

namespace kumora {

void MainWindow::analyze_position() {}

void MainWindow::com_ban() {}

}  // namespace kumora
