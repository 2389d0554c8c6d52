#include "tests/gui/window_test_case.h"

#include <QTest>

#include "app/program_start.h"

namespace kumora {

bool WindowTestCase::enter_fresh_folder(const char* sound_driver) {
  return dir_.isValid() && enter_folder(dir_.path(), dir_.path(), sound_driver);
}

bool WindowTestCase::enter_folder(const QString& home, const QString& current,
                                  const char* sound_driver) {
  if (!QDir::setCurrent(current)) return false;
  qputenv("SDL_AUDIODRIVER", sound_driver);
  qputenv("HOME", home.toUtf8());
  // Where the desktop keeps them by default, whatever the test was started with.
  qputenv("XDG_CONFIG_HOME", (home + "/.config").toUtf8());
  qputenv("XDG_DATA_HOME", (home + "/.local/share").toUtf8());
  return true;
}

bool WindowTestCase::open_window(LanguageSwitch& language, const CommandLine& line) {
  sound_ = std::make_unique<SdlSoundPort>();
  window_ = std::make_unique<GameWindow>(*sound_, language);
  driver_ = std::make_unique<WindowDriver>(*window_);
  open_game_window(*window_, line);
  return QTest::qWaitForWindowExposed(window_.get(), WAIT_MS);
}

}  // namespace kumora
