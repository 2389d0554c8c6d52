#include "tests/gui/program_setup.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTemporaryDir>
#include <QTranslator>

#include "view/pictures.h"

namespace kumora {

void set_up_like_the_program(QTranslator& japanese) {
  // The window's remembered size and panel go to a folder of the test's own.
  static QTemporaryDir config;
  qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
  QApplication::setApplicationName("Kumora Shogi");
  if (japanese.load(QLocale(QLocale::Japanese), "qtbase", "_",
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(&japanese);
  }
  QApplication::setFont(QFont(JAPANESE_FONT, 10));
}

}  // namespace kumora
