// The scenario runner draws into an off-screen image, which needs a Qt Gui
// application object (no widgets); the tests share one, created on first use.
#pragma once

#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdlib>

namespace kumora {

inline void ensure_gui_app() {
  if (QCoreApplication::instance()) return;
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  static int argc = 1;
  static char name[] = "test_window";
  static char* argv[] = {name, nullptr};
  static QGuiApplication app(argc, argv);
}

}  // namespace kumora
