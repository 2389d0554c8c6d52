// What every test of the real window starts from: a fresh folder that is the
// current and the home folder (records, kept games and desktop settings stay
// in it), and the program's window opened in it as the program opens it.
#pragma once

#include <QDir>
#include <QObject>
#include <QTemporaryDir>
#include <memory>

#include "app/command_line.h"
#include "sound/sound_glue.h"
#include "tests/gui/box_answerer.h"
#include "tests/gui/window_driver.h"
#include "view/game_window.h"

namespace kumora {

class LanguageSwitch;

// How long a test waits for the window to show something.
inline constexpr int WAIT_MS = 5000;

class WindowTestCase : public QObject {
 protected:
  // `sound_driver` is the SDL audio driver the sound library is given.
  bool enter_fresh_folder(const char* sound_driver = "dummy");
  // Makes `current` the current folder and `home` the home folder (desktop
  // settings and kept games go under it).
  bool enter_folder(const QString& home, const QString& current, const char* sound_driver);
  // Opens the window as the program does with the command line `line`
  // (its settings loaded, shown) and waits until it is on the screen.
  bool open_window(LanguageSwitch& language, const CommandLine& line = {});

  QTemporaryDir dir_{QDir::tempPath() + "/kumora-games-XXXXXX"};
  std::unique_ptr<SdlSoundPort> sound_;
  std::unique_ptr<GameWindow> window_;
  std::unique_ptr<WindowDriver> driver_;
  BoxAnswerer boxes_;
};

}  // namespace kumora
