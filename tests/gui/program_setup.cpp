#include "tests/gui/program_setup.h"

#include <QTemporaryDir>

#include "app/program_start.h"
#include "view/language.h"

namespace kumora {

LanguageSwitch& set_up_like_the_program() {
  // The window's remembered size, panel and language go to a folder of the
  // test's own.
  static QTemporaryDir config;
  qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
  set_up_application();
  static LanguageSwitch language({QString::fromUtf8(KUMORA_TRANSLATIONS_DIR)});
  language.choose(Language::JAPANESE);
  return language;
}

}  // namespace kumora
