#include "tests/gui/program_setup.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "view/pictures.h"

namespace kumora {

void set_up_like_the_program(QTranslator& japanese) {
  QApplication::setApplicationName("Kumora Shogi");
  if (japanese.load(QLocale(QLocale::Japanese), "qtbase", "_",
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(&japanese);
  }
  QApplication::setFont(QFont(JAPANESE_FONT, 10));
}

}  // namespace kumora
