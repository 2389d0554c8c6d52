#include "app/program_start.h"

#include <QApplication>
#include <QFont>

#include "app/command_line.h"
#include "view/game_window.h"
#include "view/pictures.h"

namespace kumora {

void set_up_application() {
  QApplication::setApplicationName("Kumora Shogi");
  QApplication::setApplicationVersion(KUMORA_VERSION);
  // Lets the desktop match the window to the desktop entry and its icon.
  QGuiApplication::setDesktopFileName(KUMORA_APP_ID);
  QApplication::setFont(QFont(JAPANESE_FONT, 10));
}

void open_game_window(GameWindow& window, const CommandLine& line) {
  window.logic().set_engine_nodes(line.nodes);
  window.load();
  window.show();
}

}  // namespace kumora
