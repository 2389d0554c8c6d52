// Qt painting and fonts need an application object; the view tests share one,
// created on first use.
#pragma once

#include <QApplication>
#include <QCoreApplication>
#include <cstdlib>

namespace kumora {

inline void ensure_qt_app() {
  if (QCoreApplication::instance()) return;
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  static int argc = 1;
  static char name[] = "test_view";
  static char* argv[] = {name, nullptr};
  static QApplication app(argc, argv);
}

}  // namespace kumora
