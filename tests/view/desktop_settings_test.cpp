// What the window remembers between runs: a first run shows the side panel
// in Japanese, and a later run finds the choices made.
#include <gtest/gtest.h>

#include <stdlib.h>

#include <filesystem>

#include "tests/temporary_folder.h"
#include "tests/view/qt_app.h"
#include "view/desktop_settings.h"

namespace kumora {
namespace {

TEST(DesktopSettings, AFirstRunShowsTheSidePanelInJapaneseAndLaterRunsRemember) {
  testing::TemporaryFolder config;
  setenv("XDG_CONFIG_HOME", config.path().c_str(), 1);
  ensure_qt_app();
  {
    const DesktopSettings first;
    EXPECT_TRUE(first.side_panel_shown());
    EXPECT_EQ(first.language(), Language::JAPANESE);
    EXPECT_TRUE(first.window_geometry().isEmpty());
    EXPECT_EQ(start_language(std::nullopt), Language::JAPANESE);
  }
  DesktopSettings().set_side_panel_shown(false);
  DesktopSettings().set_language(Language::ENGLISH);
  DesktopSettings().set_window_geometry("placed");
  const DesktopSettings later;
  EXPECT_FALSE(later.side_panel_shown());
  EXPECT_EQ(later.language(), Language::ENGLISH);
  EXPECT_EQ(later.window_geometry(), QByteArray("placed"));
  EXPECT_EQ(start_language(std::nullopt), Language::ENGLISH);
  EXPECT_EQ(start_language(Language::JAPANESE), Language::JAPANESE);
  EXPECT_TRUE(std::filesystem::exists(config.file("kumora-shogi/window.ini")));
}

}  // namespace
}  // namespace kumora
