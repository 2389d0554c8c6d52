#include "tests/gui/window_test_case.h"

#include <QTest>

namespace kumora {

bool WindowTestCase::enter_fresh_folder(const char* sound_driver) {
  if (!dir_.isValid() || !QDir::setCurrent(dir_.path())) return false;
  qputenv("SDL_AUDIODRIVER", sound_driver);
  qputenv("HOME", dir_.path().toUtf8());
  return true;
}

bool WindowTestCase::open_window(LanguageSwitch& language) {
  sound_ = std::make_unique<SdlSoundPort>();
  window_ = std::make_unique<GameWindow>(*sound_, language);
  driver_ = std::make_unique<WindowDriver>(*window_);
  window_->load();
  window_->show();
  return QTest::qWaitForWindowExposed(window_.get(), WAIT_MS);
}

}  // namespace kumora
