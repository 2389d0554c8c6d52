// The about box.
#include "view/main_window.h"

#ifndef KUMORA_VERSION
#define KUMORA_VERSION "1.0.0"
#endif

namespace kumora {

std::string MainWindow::about_text() {
  return std::string("雲羅将棋 Kumora Shogi\rバージョン ") + KUMORA_VERSION +
         "\r\rhttps://kumora-shogi.example.org/";
}

}  // namespace kumora
