#include "tests/gui/program_setup.h"

#include <QApplication>
#include <QFont>
#include <QTemporaryDir>

#include "view/language.h"
#include "view/pictures.h"

namespace kumora {

LanguageSwitch& set_up_like_the_program() {
  // The window's remembered size, panel and language go to a folder of the
  // test's own.
  static QTemporaryDir config;
  qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
  QApplication::setApplicationName("Kumora Shogi");
  static LanguageSwitch language({QString::fromUtf8(KUMORA_TRANSLATIONS_DIR)});
  language.choose(Language::JAPANESE);
  QApplication::setFont(QFont(JAPANESE_FONT, 10));
  return language;
}

}  // namespace kumora
